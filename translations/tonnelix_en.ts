<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr">
<context>
    <name>Cp1252</name>
    <message>
        <source>Le caractère « %1 » ne peut pas être enregistré par Tonnelix.</source>
        <translation>The character “%1” cannot be stored by Tonnelix.</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>Fichier Texte (*.txt);;Tous (*)</source>
        <translation>Text file (*.txt);;All (*)</translation>
    </message>
    <message>
        <source>Export de la cave dans un fichier</source>
        <translation>Export of the cellar to a file</translation>
    </message>
    <message>
        <source>Import d&apos;un fichier dans la cave</source>
        <translation>Import of a file into the cellar</translation>
    </message>
    <message>
        <source>Ne plus afficher les erreurs suivantes ? (encore %1 ligne(s) en échec)</source>
        <translation>Stop showing the next errors? (%1 more line(s) canceled)</translation>
    </message>
    <message>
        <source>Ce fichier est le fichier de la cave : il ne peut pas être importé dans la cave.</source>
        <translation>This file is the cellar file: it cannot be imported into the cellar.</translation>
    </message>
    <message>
        <source>Ce fichier est le fichier de la cave : la cave ne peut pas y être exportée.</source>
        <translation>This file is the cellar file: the cellar cannot be exported to it.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Page d&apos;aide introuvable</source>
        <translation>Help page not found</translation>
    </message>
    <message>
        <source>Recherche : « %1 »</source>
        <translation>Search: “%1”</translation>
    </message>
    <message>
        <source>Aucune page ne contient ces mots.</source>
        <translation>No page contains these words.</translation>
    </message>
    <message>
        <source>Aide de Tonnelix</source>
        <translation>Tonnelix Help</translation>
    </message>
    <message>
        <source>&amp;Sommaire</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;Précédent</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>Sui&amp;vant</source>
        <translation>&amp;Forward</translation>
    </message>
    <message>
        <source>&amp;Rechercher :</source>
        <translation>&amp;Search:</translation>
    </message>
    <message>
        <source>&amp;Chercher</source>
        <translation>&amp;Find</translation>
    </message>
</context>
<context>
    <name>IoError</name>
    <message>
        <source>Fichier introuvable</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Nom de fichier incorrect</source>
        <translation>Invalid file name</translation>
    </message>
    <message>
        <source>Trop de fichiers ouverts</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Accès au fichier refusé</source>
        <translation>File access denied</translation>
    </message>
    <message>
        <source>Lecture au-delà de la fin de fichier</source>
        <translation>Read beyond end of file</translation>
    </message>
    <message>
        <source>Disque plein</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>Erreur E/S %1</source>
        <translation>I/O error %1</translation>
    </message>
    <message>
        <source>Fichier : %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>MaskedBox</name>
    <message>
        <source>jj/mm/aaaa</source>
        <translation>dd/mm/yyyy</translation>
    </message>
</context>
<context>
    <name>MessageTable</name>
    <message>
        <source>Erreur de format du fichier cave</source>
        <comment>1</comment>
        <translation>Format error in the cellar file</translation>
    </message>
    <message>
        <source>Erreur de format du fichier vins consommés</source>
        <comment>2</comment>
        <translation>Format error in the wines drunk file</translation>
    </message>
    <message>
        <source>La couleur n&apos;est pas sélectionnée</source>
        <comment>3</comment>
        <translation>No colour is selected</translation>
    </message>
    <message>
        <source>La région n&apos;est pas sélectionnée</source>
        <comment>4</comment>
        <translation>No region is selected</translation>
    </message>
    <message>
        <source>L&apos;appellation n&apos;est pas sélectionnée</source>
        <comment>5</comment>
        <translation>No appellation is selected</translation>
    </message>
    <message>
        <source>Le millésime ne doit contenir que des chiffres</source>
        <comment>6</comment>
        <translation>The vintage may only contain digits</translation>
    </message>
    <message>
        <source>La quantité saisie est incorrecte</source>
        <comment>7</comment>
        <translation>The quantity entered is incorrect</translation>
    </message>
    <message>
        <source>Le prix saisi est incorrect</source>
        <comment>8</comment>
        <translation>The price entered is incorrect</translation>
    </message>
    <message>
        <source>Le prix doit être inférieur à 100000</source>
        <comment>9</comment>
        <translation>The price must be less than 100000</translation>
    </message>
    <message>
        <source>La date d&apos;achat est incorrecte</source>
        <comment>10</comment>
        <translation>The purchase date is incorrect</translation>
    </message>
    <message>
        <source>apogée non numérique</source>
        <comment>11</comment>
        <translation>The peak year is not a number</translation>
    </message>
    <message>
        <source>La date de consommation est incorrecte</source>
        <comment>12</comment>
        <translation>The date drunk is incorrect</translation>
    </message>
    <message>
        <source>La cave ne contient pas autant de bouteilles</source>
        <comment>13</comment>
        <translation>The cellar does not hold that many bottles</translation>
    </message>
    <message>
        <source>La quantité en cave n&apos;est pas un nombre : corrigez-la dans la fiche du vin</source>
        <comment>14</comment>
        <translation>The quantity in the cellar is not a number: correct it on the wine&apos;s record first</translation>
    </message>
    <message>
        <source>La quantité consommée est incorrecte</source>
        <comment>15</comment>
        <translation>The quantity drunk is incorrect</translation>
    </message>
    <message>
        <source>Aucun vin n&apos;est sélectionné</source>
        <comment>17</comment>
        <translation>No wine is selected</translation>
    </message>
    <message>
        <source>Aucun plat n&apos;est sélectionné</source>
        <comment>18</comment>
        <translation>No dish is selected</translation>
    </message>
    <message>
        <source>Date de début de période incorrecte</source>
        <comment>19</comment>
        <translation>The start date of the period is incorrect</translation>
    </message>
    <message>
        <source>Date de fin de période incorrecte</source>
        <comment>20</comment>
        <translation>The end date of the period is incorrect</translation>
    </message>
    <message>
        <source>Aucune année n&apos;est sélectionné</source>
        <comment>21</comment>
        <translation>No year is selected</translation>
    </message>
    <message>
        <source>Plat déjà présent dans la liste</source>
        <comment>22</comment>
        <translation>This dish is already in the list</translation>
    </message>
    <message>
        <source>Cette appellation n&apos;existe pas dans cette couleur</source>
        <comment>23</comment>
        <translation>This appellation does not exist in this colour</translation>
    </message>
    <message>
        <source>Aucune appellation n&apos;est sélectionnée</source>
        <comment>24</comment>
        <translation>No appellation is selected</translation>
    </message>
    <message>
        <source>Année déjà présente dans la liste</source>
        <comment>25</comment>
        <translation>This year is already in the list</translation>
    </message>
    <message>
        <source>La note saisie doit être inférieure à 20</source>
        <comment>26</comment>
        <translation>The mark must not be above 20</translation>
    </message>
    <message>
        <source>Vous n&apos;avez saisi aucune note</source>
        <comment>27</comment>
        <translation>No mark has been entered</translation>
    </message>
    <message>
        <source>L&apos;année saisie est incorrecte</source>
        <comment>28</comment>
        <translation>The year entered is incorrect</translation>
    </message>
    <message>
        <source>Aucun élément n&apos;est sélectionné</source>
        <comment>29</comment>
        <translation>No item is selected</translation>
    </message>
    <message>
        <source>Vous avez atteint le nombre maximum d&apos;élément de la base</source>
        <comment>30</comment>
        <translation>The list already holds its maximum number of items</translation>
    </message>
    <message>
        <source>élément déjà présent dans la base</source>
        <comment>31</comment>
        <translation>This item is already in the list</translation>
    </message>
    <message>
        <source>La disquette ne contient aucune sauvegarde pour Tonnelix</source>
        <comment>32</comment>
        <translation>The disk holds no Tonnelix backup</translation>
    </message>
    <message>
        <source>Vous n&apos;avez saisi aucun nom de domaine</source>
        <comment>36</comment>
        <translation>No estate name has been entered</translation>
    </message>
    <message>
        <source>Vous n&apos;avez saisi le nom du propriétaire</source>
        <comment>37</comment>
        <translation>No owner name has been entered</translation>
    </message>
    <message>
        <source>Domaine absent de la base</source>
        <comment>38</comment>
        <translation>This estate is not in the list</translation>
    </message>
    <message>
        <source>Fichier non trouvé</source>
        <comment>39</comment>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Avertissement</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>Miseajourform</name>
    <message>
        <source>Mise à jour des bases de données</source>
        <translation>Update of the databases</translation>
    </message>
    <message>
        <source>Bases de données (*.ref)</source>
        <translation>Databases (*.ref)</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas une base d&apos;appellations ni un tableau des millésimes : aucune base n&apos;a été modifiée.</source>
        <translation>This file is neither an appellation base nor a vintage chart: no base was changed.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Page </source>
        <translation>Page </translation>
    </message>
    <message>
        <source>Enregistrer en PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Enregistre le rapport dans un fichier PDF</source>
        <translation>Saves the report in a PDF file</translation>
    </message>
    <message>
        <source>Documents PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être écrit.</source>
        <translation>The file %1 could not be written.</translation>
    </message>
    <message>
        <source>Aucune imprimante n&apos;est installée. Choisissez « Prévisualisation : Oui » dans les options pour enregistrer le rapport en PDF.</source>
        <translation>No printer is installed. Choose “Preview: Yes” in the options to save the report as a PDF.</translation>
    </message>
    <message>
        <source>L&apos;impression sur %1 a échoué.</source>
        <translation>Printing on %1 failed.</translation>
    </message>
    <message>
        <source>Configuration de l&apos;imprimante</source>
        <translation>Printer set-up</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Tonnelix est déjà ouvert sur ce dossier de données (%1) : continuez dans sa fenêtre, ou fermez-la avant de le lancer à nouveau.</source>
        <translation>Tonnelix is already open on this data folder (%1): carry on in its window, or close it before starting Tonnelix again.</translation>
    </message>
    <message>
        <source>Le dossier de données %1 ne peut pas être verrouillé (erreur système %2) : n&apos;ouvrez pas Tonnelix une seconde fois sur ce dossier, les deux perdraient des modifications l&apos;un de l&apos;autre.</source>
        <translation>The data folder %1 cannot be locked (system error %2): do not open Tonnelix a second time on this folder, or each would lose changes the other made.</translation>
    </message>
</context>
<context>
    <name>TAutre_base</name>
    <message>
        <source>Autres bases de données</source>
        <translation>Other lists</translation>
    </message>
    <message>
        <source>Liste</source>
        <translation>List</translation>
    </message>
    <message>
        <source>Ordre</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>&amp;Couleurs</source>
        <translation>&amp;Colours</translation>
    </message>
    <message>
        <source>&amp;Régions</source>
        <translation>&amp;Regions</translation>
    </message>
    <message>
        <source>A&amp;ppréciations</source>
        <translation>Ra&amp;tings</translation>
    </message>
    <message>
        <source>&amp;Volumes</source>
        <translation>Bottle &amp;sizes</translation>
    </message>
    <message>
        <source>Pas de &amp;Tri</source>
        <translation>&amp;Unsorted</translation>
    </message>
    <message>
        <source>Tri alp&amp;habétique</source>
        <translation>&amp;Alphabetical order</translation>
    </message>
    <message>
        <source>&amp;Nom :</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Liste :</source>
        <translation>&amp;List:</translation>
    </message>
    <message>
        <source>Nom de l&apos;élément à ajouter</source>
        <translation>Name of the item to add</translation>
    </message>
    <message>
        <source>Monte ou descend un élément</source>
        <translation>Moves an item up or down</translation>
    </message>
    <message>
        <source>Ajoute l&apos;élément à la liste</source>
        <translation>Adds the item to the list</translation>
    </message>
    <message>
        <source>Supprime l&apos;élément sélectionné</source>
        <translation>Removes the selected item</translation>
    </message>
    <message>
        <source>Enregistre les listes et ferme la fenêtre</source>
        <translation>Saves the lists and closes the window</translation>
    </message>
    <message>
        <source>Ferme la fenêtre sans enregistrer</source>
        <translation>Closes the window without saving</translation>
    </message>
    <message>
        <source>Accès à l&apos;aide</source>
        <translation>Opens the help</translation>
    </message>
    <message>
        <source>&amp;Ajoute</source>
        <translation>A&amp;dd</translation>
    </message>
    <message>
        <source>&amp;Supprime</source>
        <translation>Re&amp;move</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Aid&amp;e</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>TChoixp_report</name>
    <message>
        <source>Association Mets/Vins</source>
        <translation>Food and wine pairing</translation>
    </message>
    <message>
        <source>Plat :</source>
        <translation>Dish:</translation>
    </message>
</context>
<context>
    <name>TChoixplat</name>
    <message>
        <source>Mariage Mets / Vins</source>
        <translation>Food and wine pairing</translation>
    </message>
    <message>
        <source>&amp;Entrées</source>
        <translation>&amp;Starters</translation>
    </message>
    <message>
        <source>&amp;Plats</source>
        <translation>&amp;Main courses</translation>
    </message>
    <message>
        <source>&amp;Fromages</source>
        <translation>&amp;Cheeses</translation>
    </message>
    <message>
        <source>&amp;Desserts</source>
        <translation>&amp;Desserts</translation>
    </message>
    <message>
        <source>Sélectionne les entrées</source>
        <translation>Shows the starters</translation>
    </message>
    <message>
        <source>Sélectionne les plats de résistance</source>
        <translation>Shows the main courses</translation>
    </message>
    <message>
        <source>Sélectionne les fromages</source>
        <translation>Shows the cheeses</translation>
    </message>
    <message>
        <source>Sélectionne les desserts</source>
        <translation>Shows the desserts</translation>
    </message>
    <message>
        <source>P&amp;lats :</source>
        <translation>D&amp;ishes:</translation>
    </message>
    <message>
        <source>&amp;Vins :</source>
        <translation>&amp;Wines:</translation>
    </message>
    <message>
        <source>Température :</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>&amp;Tous les vins</source>
        <translation>&amp;All wines</translation>
    </message>
    <message>
        <source>Les vins de la &amp;cave</source>
        <translation>Wines in the c&amp;ellar</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Région</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Appellation</source>
        <translation>Appellation</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Liste des mets</source>
        <translation>Dishes</translation>
    </message>
    <message>
        <source>Liste des vins</source>
        <translation>Wines</translation>
    </message>
    <message>
        <source>Température de service</source>
        <translation>Serving temperature</translation>
    </message>
    <message>
        <source>Filtre sur l&apos;affichage des vins</source>
        <translation>Which wines to show</translation>
    </message>
    <message>
        <source>Imprime la sélection</source>
        <translation>Prints the selection</translation>
    </message>
    <message>
        <source>Retour à l&apos;écran principal</source>
        <translation>Back to the main window</translation>
    </message>
    <message>
        <source>Accès à l&apos;aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Aucun plat n&apos;est sélectionné</source>
        <translation>No dish is selected</translation>
    </message>
</context>
<context>
    <name>TChoixv_report</name>
    <message>
        <source>Température de service :</source>
        <translation>Serving temperature:</translation>
    </message>
    <message>
        <source>Période de garde :</source>
        <translation>Keeping period:</translation>
    </message>
    <message>
        <source>Plats :</source>
        <translation>Dishes:</translation>
    </message>
    <message>
        <source>Millésimes :</source>
        <translation>Vintages:</translation>
    </message>
</context>
<context>
    <name>TChoixvin</name>
    <message>
        <source>Choisir un vin...</source>
        <translation>Choose a wine...</translation>
    </message>
    <message>
        <source>&amp;Couleur :</source>
        <translation>&amp;Colour:</translation>
    </message>
    <message>
        <source>&amp;Tous les vins</source>
        <translation>&amp;All wines</translation>
    </message>
    <message>
        <source>Les &amp;vins de la cave</source>
        <translation>&amp;Wines in the cellar</translation>
    </message>
    <message>
        <source>Appellation</source>
        <translation>Appellation</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Région</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Ca&amp;ractéristiques</source>
        <translation>Cha&amp;racteristics</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Filtre sur l&apos;affichage des vins</source>
        <translation>Which wines to show</translation>
    </message>
    <message>
        <source>Liste des appellations</source>
        <translation>Appellations</translation>
    </message>
    <message>
        <source>Caractéristiques d&apos;une appellation</source>
        <translation>Characteristics of an appellation</translation>
    </message>
    <message>
        <source>Retour à l&apos;écran principal</source>
        <translation>Back to the main window</translation>
    </message>
    <message>
        <source>Accès à l&apos;aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Aucun vin n&apos;est sélectionné</source>
        <translation>No wine is selected</translation>
    </message>
</context>
<context>
    <name>TConsommation</name>
    <message>
        <source>Consommation</source>
        <translation>Consumption</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Imprime le graphique</source>
        <translation>Prints the chart</translation>
    </message>
    <message>
        <source>Ferme la fenêtre</source>
        <translation>Closes the window</translation>
    </message>
    <message>
        <source>Accès à l&apos;aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Tout l&apos;historique</source>
        <translation>The whole history</translation>
    </message>
    <message>
        <source>Depuis le %1</source>
        <translation>Since %1</translation>
    </message>
    <message>
        <source>Jusqu&apos;au %1</source>
        <translation>Until %1</translation>
    </message>
    <message>
        <source>Du %1 au %2</source>
        <translation>From %1 to %2</translation>
    </message>
    <message>
        <source>Bouteilles bues par mois</source>
        <translation>Bottles drunk by month</translation>
    </message>
    <message>
        <source>Bouteilles bues par année</source>
        <translation>Bottles drunk by year</translation>
    </message>
    <message>
        <source>Valeur bue</source>
        <translation>Value drunk</translation>
    </message>
    <message>
        <source>Bouteilles</source>
        <translation>Bottles</translation>
    </message>
    <message>
        <source>Valeur</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>%1 bouteilles</source>
        <translation>%1 bottles</translation>
    </message>
    <message>
        <source>Couleurs</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>%1 bouteilles, %2</source>
        <translation>%1 bottles, %2</translation>
    </message>
    <message>
        <source>Périodes</source>
        <translation>Periods</translation>
    </message>
</context>
<context>
    <name>TConsovin</name>
    <message>
        <source>Vins consommés</source>
        <translation>Wines drunk</translation>
    </message>
    <message>
        <source>&amp;Couleur :</source>
        <translation>&amp;Colour:</translation>
    </message>
    <message>
        <source>Appellation</source>
        <translation>Appellation</translation>
    </message>
    <message>
        <source>Période &amp;du :</source>
        <translation>Period &amp;from:</translation>
    </message>
    <message>
        <source>a&amp;u :</source>
        <translation>&amp;to:</translation>
    </message>
    <message>
        <source>Rec&amp;herche :</source>
        <translation>&amp;Search:</translation>
    </message>
    <message>
        <source>&amp;R.A.Z</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Extérieur</source>
        <translation>&amp;Elsewhere</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Couleur recherchée</source>
        <translation>Colour to look for</translation>
    </message>
    <message>
        <source>Appellation recherchée</source>
        <translation>Appellation to look for</translation>
    </message>
    <message>
        <source>Premier jour de la période</source>
        <translation>First day of the period</translation>
    </message>
    <message>
        <source>Dernier jour de la période</source>
        <translation>Last day of the period</translation>
    </message>
    <message>
        <source>Texte à rechercher</source>
        <translation>Text to look for</translation>
    </message>
    <message>
        <source>Supprime tous les critères de recherche</source>
        <translation>Clears every search criterion</translation>
    </message>
    <message>
        <source>Zoom sur un vin consommé</source>
        <translation>Shows and corrects the wine drunk</translation>
    </message>
    <message>
        <source>Saisie d&apos;un vin consommé à l&apos;extérieur</source>
        <translation>Records a wine drunk elsewhere</translation>
    </message>
    <message>
        <source>Imprime le contenu de la sélection</source>
        <translation>Prints the wines listed</translation>
    </message>
    <message>
        <source>Retour à l&apos;écran principal</source>
        <translation>Back to the main window</translation>
    </message>
    <message>
        <source>Accès à l&apos;aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Millésime</source>
        <translation>Vintage</translation>
    </message>
    <message>
        <source>Bu le</source>
        <translation>Drunk on</translation>
    </message>
    <message>
        <source>Appréciation</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Aucun vin n&apos;est sélectionné</source>
        <translation>No wine is selected</translation>
    </message>
    <message>
        <source>Date de début de période incorrecte</source>
        <translation>The start date of the period is incorrect</translation>
    </message>
    <message>
        <source>Date de fin de période incorrecte</source>
        <translation>The end date of the period is incorrect</translation>
    </message>
    <message>
        <source>A&amp;ppellation :</source>
        <translation>&amp;Appellation:</translation>
    </message>
    <message>
        <source>Co&amp;nsommation</source>
        <translation>Co&amp;nsumption</translation>
    </message>
    <message>
        <source>Bouteilles bues et valeur bue de la période, par couleur</source>
        <translation>Bottles and value drunk in the period, by colour</translation>
    </message>
</context>
<context>
    <name>TExitForm</name>
    <message>
        <source>Sortie d&apos;un vin de la cave</source>
        <translation>Taking wine out of the cellar</translation>
    </message>
    <message>
        <source>Domaine ou Château :</source>
        <translation>Estate or château:</translation>
    </message>
    <message>
        <source>Couleur :</source>
        <translation>Colour:</translation>
    </message>
    <message>
        <source>Région :</source>
        <translation>Region:</translation>
    </message>
    <message>
        <source>Quantité :</source>
        <translation>Quantity:</translation>
    </message>
    <message>
        <source>Appellation :</source>
        <translation>Appellation:</translation>
    </message>
    <message>
        <source>Millésime :</source>
        <translation>Vintage:</translation>
    </message>
    <message>
        <source>Propriétaire :</source>
        <translation>Owner:</translation>
    </message>
    <message>
        <source>Bouteille :</source>
        <translation>Bottle:</translation>
    </message>
    <message>
        <source>Remarques :</source>
        <translation>Remarks:</translation>
    </message>
    <message>
        <source>Lieu d&apos;achat :</source>
        <translation>Place of purchase:</translation>
    </message>
    <message>
        <source>Date d&apos;achat :</source>
        <translation>Purchase date:</translation>
    </message>
    <message>
        <source>Prix :</source>
        <translation>Price:</translation>
    </message>
    <message>
        <source>&amp;Emplacement :</source>
        <translation>&amp;Location:</translation>
    </message>
    <message>
        <source>&amp;Quantité consommée :</source>
        <translation>&amp;Quantity drunk:</translation>
    </message>
    <message>
        <source>&amp;Date consommation :</source>
        <translation>&amp;Date drunk:</translation>
    </message>
    <message>
        <source>App&amp;réciation :</source>
        <translation>&amp;Rating:</translation>
    </message>
    <message>
        <source>Co&amp;mmentaires :</source>
        <translation>Co&amp;mments:</translation>
    </message>
    <message>
        <source>&amp;Invités :</source>
        <translation>&amp;Guests:</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Région</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Appellation</source>
        <translation>Appellation</translation>
    </message>
    <message>
        <source>Nom du domaine ou du château</source>
        <translation>Name of the estate or château</translation>
    </message>
    <message>
        <source>Format de bouteille</source>
        <translation>Bottle size</translation>
    </message>
    <message>
        <source>Votre appréciation</source>
        <translation>Your rating</translation>
    </message>
    <message>
        <source>Emplacement en cave</source>
        <translation>Location in the cellar</translation>
    </message>
    <message>
        <source>Quantité consommée</source>
        <translation>Quantity drunk</translation>
    </message>
    <message>
        <source>Date de consommation</source>
        <translation>Date drunk</translation>
    </message>
    <message>
        <source>Commentaires sur le vin</source>
        <translation>Comments on the wine</translation>
    </message>
    <message>
        <source>Noms des invités</source>
        <translation>Names of the guests</translation>
    </message>
    <message>
        <source>Retour au livre de cave</source>
        <translation>Back to the cellar book</translation>
    </message>
    <message>
        <source>Retour au livre de cave sans sauvegarde</source>
        <translation>Back to the cellar book without saving</translation>
    </message>
    <message>
        <source>Accès à l&apos;aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Caractèristiques du vin</source>
        <translation>Characteristics of the wine</translation>
    </message>
    <message>
        <source>Vin précédent</source>
        <translation>Previous wine</translation>
    </message>
    <message>
        <source>Vin suivant</source>
        <translation>Next wine</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>A&amp;nnuler</source>
        <translation>C&amp;ancel</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Caractéristiques</source>
        <translation>&amp;Characteristics</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Précédent</source>
        <translation>&lt;&lt; &amp;Previous</translation>
    </message>
    <message>
        <source>&amp;Suivant &gt;&gt;</source>
        <translation>&amp;Next &gt;&gt;</translation>
    </message>
    <message>
        <source>Ce vin a été modifié dans le fichier de la cave depuis son affichage : la sortie n&apos;est pas enregistrée.</source>
        <translation>This wine was changed in the cellar file since it was shown: the bottles taken out are not recorded.</translation>
    </message>
    <message>
        <source>Ce vin a été modifié dans le fichier de la cave pendant la sortie : elle est inscrite aux vins consommés, la cave n&apos;est pas changée.</source>
        <translation>This wine was changed in the cellar file while the bottles were taken out: they are recorded among the consumed wines, the cellar is not changed.</translation>
    </message>
</context>
<context>
    <name>TLivre</name>
    <message>
        <source>Livre de cave</source>
        <translation>Cellar book</translation>
    </message>
    <message>
        <source>&amp;Couleur :</source>
        <translation>&amp;Colour:</translation>
    </message>
    <message>
        <source>Ré&amp;gion :</source>
        <translation>Re&amp;gion:</translation>
    </message>
    <message>
        <source>Rec&amp;herche :</source>
        <translation>S&amp;earch:</translation>
    </message>
    <message>
        <source>Nombre de bouteilles :</source>
        <translation>Number of bottles:</translation>
    </message>
    <message>
        <source>&amp;R.A.Z</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>Tous &amp;les vins</source>
        <translation>&amp;All wines</translation>
    </message>
    <message>
        <source>&amp;Vins à boire dans l&apos;année</source>
        <translation>&amp;Wines to drink this year</translation>
    </message>
    <message>
        <source>&amp;Nouveau</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Sortie</source>
        <translation>&amp;Take out</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>S&amp;tatistiques</source>
        <translation>&amp;Statistics</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Couleur recherchée</source>
        <translation>Colour to look for</translation>
    </message>
    <message>
        <source>Région recherchée</source>
        <translation>Region to look for</translation>
    </message>
    <message>
        <source>Texte à rechercher</source>
        <translation>Text to look for</translation>
    </message>
    <message>
        <source>Supprime tous les critères de recherche</source>
        <translation>Clears every search criterion</translation>
    </message>
    <message>
        <source>Filtre sur l&apos;affichage des vins</source>
        <translation>Which wines to show</translation>
    </message>
    <message>
        <source>Vins de votre cave</source>
        <translation>Wines in your cellar</translation>
    </message>
    <message>
        <source>Entrée d&apos;un vin dans la cave</source>
        <translation>Adding a wine to the cellar</translation>
    </message>
    <message>
        <source>Sortie d&apos;un vin de la cave</source>
        <translation>Taking wine out of the cellar</translation>
    </message>
    <message>
        <source>Affiche les caractéristiques d&apos;un vin</source>
        <translation>Shows the details of a wine</translation>
    </message>
    <message>
        <source>Imprime le contenu de la sélection</source>
        <translation>Prints the wines listed</translation>
    </message>
    <message>
        <source>Statistiques sur le contenu de la cave</source>
        <translation>Statistics of the cellar</translation>
    </message>
    <message>
        <source>Retour à l&apos;écran principal</source>
        <translation>Back to the main window</translation>
    </message>
    <message>
        <source>Accès à l&apos;aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Nombre de bouteilles séléctionnées</source>
        <translation>Number of bottles listed</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Année</source>
        <translation>Vintage</translation>
    </message>
    <message>
        <source>Qté</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>Appellation</source>
        <translation>Appellation</translation>
    </message>
    <message>
        <source>Domaine</source>
        <translation>Estate</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Aucun vin n&apos;est sélectionné</source>
        <translation>No wine is selected</translation>
    </message>
    <message>
        <source>&amp;Quand boire ?</source>
        <translation>When to &amp;drink</translation>
    </message>
    <message>
        <source>Les bouteilles de la cave par année d&apos;apogée</source>
        <translation>The bottles of the cellar by peak year</translation>
    </message>
</context>
<context>
    <name>TMaturite</name>
    <message>
        <source>Maturités des vins</source>
        <translation>Wine maturity</translation>
    </message>
    <message>
        <source>&amp;Couleur :</source>
        <translation>&amp;Colour:</translation>
    </message>
    <message>
        <source>&amp;Région :</source>
        <translation>&amp;Region:</translation>
    </message>
    <message>
        <source>Arrive à maturité dans :</source>
        <translation>Reaches its peak in:</translation>
    </message>
    <message>
        <source>an(s)</source>
        <translation>year(s)</translation>
    </message>
    <message>
        <source>&amp;Table des maturités :</source>
        <translation>Maturity &amp;table:</translation>
    </message>
    <message>
        <source>Couleur du vin</source>
        <translation>Colour of the wine</translation>
    </message>
    <message>
        <source>Région du vin</source>
        <translation>Region of the wine</translation>
    </message>
    <message>
        <source>Nombre d&apos;années jusqu&apos;à l&apos;apogée (flèches haut et bas)</source>
        <translation>Number of years to the peak (up and down arrows)</translation>
    </message>
    <message>
        <source>Ajoute ou modifie la maturité d&apos;un vin</source>
        <translation>Adds or changes the maturity of a wine</translation>
    </message>
    <message>
        <source>Enregistre la table et ferme la fenêtre</source>
        <translation>Saves the table and closes the window</translation>
    </message>
    <message>
        <source>Ferme la fenêtre sans enregistrer</source>
        <translation>Closes the window without saving</translation>
    </message>
    <message>
        <source>Accès à l&apos;aide</source>
        <translation>Opens the help</translation>
    </message>
    <message>
        <source>&amp;Ajoute</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Aid&amp;e</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Région</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Maturité</source>
        <translation>Maturity</translation>
    </message>
</context>
<context>
    <name>TMenu</name>
    <message>
        <source>&amp;Livre de Cave</source>
        <translation>Cellar &amp;Book</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Ouvre le livre de cave</source>
        <translation>Opens the cellar book</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>Importe le contenu d&apos;un fichier texte dans la cave</source>
        <translation>Imports the contents of a text file into the cellar</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>Exporte le contenu de la cave vers un fichier texte</source>
        <translation>Exports the contents of the cellar to a text file</translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation>O&amp;ptions</translation>
    </message>
    <message>
        <source>Options de Tonnelix</source>
        <translation>Tonnelix options</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Quitte Tonnelix</source>
        <translation>Quits Tonnelix</translation>
    </message>
    <message>
        <source>C&amp;onseil</source>
        <translation>&amp;Advice</translation>
    </message>
    <message>
        <source>C&amp;hoisir un vin</source>
        <translation>&amp;Choose a Wine</translation>
    </message>
    <message>
        <source>Aide dans le choix d&apos;un vin</source>
        <translation>Helps you choose a wine</translation>
    </message>
    <message>
        <source>Alliance &amp;Mets/Vins</source>
        <translation>&amp;Food and Wine Pairing</translation>
    </message>
    <message>
        <source>Mariages entre Mets et Vins</source>
        <translation>Matches food and wine</translation>
    </message>
    <message>
        <source>&amp;Recherche</source>
        <translation>Sea&amp;rch</translation>
    </message>
    <message>
        <source>&amp;Vins consommés</source>
        <translation>&amp;Wines Drunk</translation>
    </message>
    <message>
        <source>Consulte les vins consommés</source>
        <translation>Looks up the wines drunk</translation>
    </message>
    <message>
        <source>A&amp;dministration</source>
        <translation>Ad&amp;ministration</translation>
    </message>
    <message>
        <source>&amp;Bases des vins</source>
        <translation>&amp;Appellation Base</translation>
    </message>
    <message>
        <source>Gestion de la base des appellations</source>
        <translation>Manages the appellation base</translation>
    </message>
    <message>
        <source>&amp;Maturité des vins</source>
        <translation>Wine &amp;Maturity</translation>
    </message>
    <message>
        <source>Gestion de la maturité des vins</source>
        <translation>Manages wine maturity</translation>
    </message>
    <message>
        <source>Domaines</source>
        <translation>Estates</translation>
    </message>
    <message>
        <source>A&amp;utres bases</source>
        <translation>&amp;Other Lists</translation>
    </message>
    <message>
        <source>Gestions des autres bases de données</source>
        <translation>Manages the other lists</translation>
    </message>
    <message>
        <source>&amp;Sauvegarde</source>
        <translation>&amp;Backup</translation>
    </message>
    <message>
        <source>Sauvegarde les bases de données</source>
        <translation>Backs up the data files</translation>
    </message>
    <message>
        <source>&amp;Restauration</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>Restauration des bases à partir d&apos;une sauvegarde</source>
        <translation>Restores the data files from a backup</translation>
    </message>
    <message>
        <source>M&amp;ise à jour</source>
        <translation>&amp;Update</translation>
    </message>
    <message>
        <source>Mise à jour des bases d&apos;appellations</source>
        <translation>Updates the appellation bases</translation>
    </message>
    <message>
        <source>Lan&amp;gue</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Français</source>
        <translation>&amp;French</translation>
    </message>
    <message>
        <source>Tous les menus et écrans seront en Français</source>
        <translation>All menus and windows will be in French</translation>
    </message>
    <message>
        <source>&amp;Anglais</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>Tous les menus et écrans seront en Anglais</source>
        <translation>All menus and windows will be in English</translation>
    </message>
    <message>
        <source>Aid&amp;e</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Index de l&apos;aide</source>
        <translation>Help &amp;Contents</translation>
    </message>
    <message>
        <source>Accès à l&apos;aide de Tonnelix</source>
        <translation>Opens the Tonnelix help</translation>
    </message>
    <message>
        <source>&amp;Recherche dans l&apos;aide</source>
        <translation>&amp;Search Help</translation>
    </message>
    <message>
        <source>à &amp;propos de...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>A propos de Tonnelix...</source>
        <translation>About Tonnelix...</translation>
    </message>
    <message>
        <source>&amp;Cave</source>
        <translation>&amp;Cellar</translation>
    </message>
    <message>
        <source>V&amp;ins</source>
        <translation>&amp;Wines</translation>
    </message>
    <message>
        <source>Plat&amp;s</source>
        <translation>&amp;Dishes</translation>
    </message>
    <message>
        <source>C&amp;herche</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>Admi&amp;n.</source>
        <translation>Adm&amp;in.</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>Hel&amp;p</translation>
    </message>
    <message>
        <source>&amp;Quand boire ?</source>
        <translation>&amp;When to Drink</translation>
    </message>
    <message>
        <source>Les bouteilles de la cave par année d&apos;apogée</source>
        <translation>The bottles of the cellar by peak year</translation>
    </message>
    <message>
        <source>&amp;Consommation</source>
        <translation>&amp;Consumption</translation>
    </message>
    <message>
        <source>Bouteilles bues et valeur bue, par couleur</source>
        <translation>Bottles and value drunk, by colour</translation>
    </message>
</context>
<context>
    <name>TNewForm</name>
    <message>
        <source>Entrée d&apos;un vin dans la cave</source>
        <translation>Adding a wine to the cellar</translation>
    </message>
    <message>
        <source>Domaine ou C&amp;hâteau :</source>
        <translation>E&amp;state or château:</translation>
    </message>
    <message>
        <source>C&amp;ouleur :</source>
        <translation>Colo&amp;ur:</translation>
    </message>
    <message>
        <source>&amp;Région :</source>
        <translation>R&amp;egion:</translation>
    </message>
    <message>
        <source>&amp;Quantité :</source>
        <translation>&amp;Quantity:</translation>
    </message>
    <message>
        <source>Appella&amp;tion :</source>
        <translation>Appella&amp;tion:</translation>
    </message>
    <message>
        <source>&amp;Millésime :</source>
        <translation>&amp;Vintage:</translation>
    </message>
    <message>
        <source>Propr&amp;iétaire :</source>
        <translation>O&amp;wner:</translation>
    </message>
    <message>
        <source>Rem&amp;arques :</source>
        <translation>Re&amp;marks:</translation>
    </message>
    <message>
        <source>Appréciatio&amp;n :</source>
        <translation>Rat&amp;ing:</translation>
    </message>
    <message>
        <source>Emp&amp;lacement :</source>
        <translation>Loc&amp;ation:</translation>
    </message>
    <message>
        <source>&amp;Bouteille :</source>
        <translation>&amp;Bottle:</translation>
    </message>
    <message>
        <source>Pri&amp;x :</source>
        <translation>P&amp;rice:</translation>
    </message>
    <message>
        <source>&amp;Date d&apos;achat :</source>
        <translation>Purchase &amp;date:</translation>
    </message>
    <message>
        <source>Année d&apos;apo&amp;gée :</source>
        <translation>Peak &amp;year:</translation>
    </message>
    <message>
        <source>Lie&amp;u d&apos;achat :</source>
        <translation>Place o&amp;f purchase:</translation>
    </message>
    <message>
        <source>Garde :</source>
        <translation>Keeping:</translation>
    </message>
    <message>
        <source>Nom du domaine ou du château</source>
        <translation>Name of the estate or château</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Région</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Appellation</source>
        <translation>Appellation</translation>
    </message>
    <message>
        <source>Quantité</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Millésime</source>
        <translation>Vintage</translation>
    </message>
    <message>
        <source>Nom du propriétaire</source>
        <translation>Name of the owner</translation>
    </message>
    <message>
        <source>Remarques sur le vin</source>
        <translation>Remarks on the wine</translation>
    </message>
    <message>
        <source>Votre appréciation</source>
        <translation>Your rating</translation>
    </message>
    <message>
        <source>Emplacement en cave</source>
        <translation>Location in the cellar</translation>
    </message>
    <message>
        <source>Format de bouteille</source>
        <translation>Bottle size</translation>
    </message>
    <message>
        <source>Prix unitaire</source>
        <translation>Unit price</translation>
    </message>
    <message>
        <source>Date de l&apos;achat</source>
        <translation>Date of purchase</translation>
    </message>
    <message>
        <source>arrive à apogée en...</source>
        <translation>reaches its peak in...</translation>
    </message>
    <message>
        <source>Lieu d&apos;achat </source>
        <translation>Place of purchase</translation>
    </message>
    <message>
        <source>Période de garde</source>
        <translation>Keeping period</translation>
    </message>
    <message>
        <source>Accès à l&apos;aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>A&amp;fficher seulement les appellations de la région</source>
        <translation>Show only the appellations of the re&amp;gion</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Annul&amp;er</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Ajout de ce vin dans la cave</source>
        <translation>Add this wine to the cellar</translation>
    </message>
    <message>
        <source>Retour au menu principal sans sauvegarde</source>
        <translation>Back to the main menu without saving</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <source>Options de Tonnelix</source>
        <translation>Tonnelix options</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Tri de la cave</source>
        <translation>Order of the cellar</translation>
    </message>
    <message>
        <source>Prévisualisation</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Français</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Anglais</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Par Millésime</source>
        <translation>By vintage</translation>
    </message>
    <message>
        <source>Par Appellation</source>
        <translation>By appellation</translation>
    </message>
    <message>
        <source>Par Région</source>
        <translation>By region</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Affichage de la fenêtre A propos au demarrage</source>
        <translation>Show the About window at start-up</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Printer set-up</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Choix de la langue</source>
        <translation>Choice of the language</translation>
    </message>
    <message>
        <source>Type de tri sur la cave</source>
        <translation>Order in which the cellar is kept</translation>
    </message>
    <message>
        <source>Affiche l&apos;écran d&apos;accueil au demarrage du programme</source>
        <translation>Shows the welcome window when the program starts</translation>
    </message>
    <message>
        <source>Configuration de l&apos;imprimante</source>
        <translation>Printer set-up</translation>
    </message>
    <message>
        <source>Prévisualisation de l&apos;impression</source>
        <translation>Preview before printing</translation>
    </message>
    <message>
        <source>Retour au menu principal</source>
        <translation>Back to the main menu</translation>
    </message>
    <message>
        <source>Retour au menu principal sans sauvegarde</source>
        <translation>Back to the main menu without saving</translation>
    </message>
    <message>
        <source>Accès à l&apos;aide</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>TProposBox</name>
    <message>
        <source>A Propos de ...</source>
        <translation>About ...</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Mémoire utilisable par le système :</source>
        <translation>Memory available to the system:</translation>
    </message>
    <message>
        <source>Mémoire Utilisée :</source>
        <translation>Memory in use:</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Vin du jour :</source>
        <translation>&amp;Wine of the day:</translation>
    </message>
    <message>
        <source>&amp;Afficher cette fenêtre au démarrage</source>
        <translation>&amp;Show this window at start-up</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Guide du vin</source>
        <translation>Wine &amp;Guide</translation>
    </message>
    <message>
        <source>Petit guide du vin</source>
        <translation>A short guide to wine</translation>
    </message>
</context>
<context>
    <name>TQuandBoire</name>
    <message>
        <source>Couleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Appellation</source>
        <translation>Appellation</translation>
    </message>
    <message>
        <source>Domaine</source>
        <translation>Estate</translation>
    </message>
    <message>
        <source>Année</source>
        <translation>Vintage</translation>
    </message>
    <message>
        <source>Apogée</source>
        <translation>Peak</translation>
    </message>
    <message>
        <source>Qté</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Quand boire ?</source>
        <translation>When to drink</translation>
    </message>
    <message>
        <source>A&amp;pogée :</source>
        <translation>Peak &amp;year:</translation>
    </message>
    <message>
        <source>&amp;Vins :</source>
        <translation>&amp;Wines:</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Période d&apos;apogée dont les vins sont listés</source>
        <translation>The peak years whose wines are listed</translation>
    </message>
    <message>
        <source>Vins de la période ; un double clic ouvre leur zoom</source>
        <translation>Wines of these years; a double click opens a wine</translation>
    </message>
    <message>
        <source>Affiche les caractéristiques d&apos;un vin</source>
        <translation>Shows the details of a wine</translation>
    </message>
    <message>
        <source>Imprime le graphique</source>
        <translation>Prints the chart</translation>
    </message>
    <message>
        <source>Ferme la fenêtre</source>
        <translation>Closes the window</translation>
    </message>
    <message>
        <source>Accès à l&apos;aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>%1 : %2 bouteilles</source>
        <translation>%1: %2 bottles</translation>
    </message>
    <message>
        <source>%1, %2 : %3 bouteilles</source>
        <translation>%1, %2: %3 bottles</translation>
    </message>
    <message>
        <source>Aucun vin n&apos;est sélectionné</source>
        <translation>No wine is selected</translation>
    </message>
    <message>
        <source>Bouteilles de la cave par année d&apos;apogée</source>
        <translation>Bottles of the cellar by peak year</translation>
    </message>
    <message>
        <source>Passé</source>
        <translation>Past</translation>
    </message>
    <message>
        <source>Sans apogée</source>
        <translation>No peak year</translation>
    </message>
    <message>
        <source>Bouteilles</source>
        <translation>Bottles</translation>
    </message>
    <message>
        <source>%1 bouteilles</source>
        <translation>%1 bottles</translation>
    </message>
    <message>
        <source>Couleurs</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Années d&apos;apogée</source>
        <translation>Peak years</translation>
    </message>
</context>
<context>
    <name>TReport_Livre</name>
    <message>
        <source>Inventaire Livre de Cave</source>
        <translation>Cellar book inventory</translation>
    </message>
    <message>
        <source>Année</source>
        <translation>Vintage</translation>
    </message>
    <message>
        <source>Qté</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>Prix</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Date d&apos;achat</source>
        <translation>Purchase date</translation>
    </message>
    <message>
        <source>Apogée</source>
        <translation>Peak</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Bottle</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Appréciation</source>
        <translation>Rating</translation>
    </message>
</context>
<context>
    <name>TReport_conso</name>
    <message>
        <source>Inventaire Vins consommés</source>
        <translation>Wines drunk inventory</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Région</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Appellation</source>
        <translation>Appellation</translation>
    </message>
    <message>
        <source>Année</source>
        <translation>Vintage</translation>
    </message>
    <message>
        <source>Qté</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>Date conso.</source>
        <translation>Date drunk</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Bottle</translation>
    </message>
    <message>
        <source>Prix</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Appréciation</source>
        <translation>Rating</translation>
    </message>
</context>
<context>
    <name>TReport_stat</name>
    <message>
        <source>Statistiques Livre de Cave</source>
        <translation>Cellar Book Statistics</translation>
    </message>
    <message>
        <source>Bouteilles</source>
        <translation>Bottles</translation>
    </message>
    <message>
        <source>Vins</source>
        <translation>Wines</translation>
    </message>
    <message>
        <source>Valeur</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Total :</source>
        <translation>Total:</translation>
    </message>
</context>
<context>
    <name>TRestoForm</name>
    <message>
        <source>&amp;Couleur :</source>
        <translation>Co&amp;lour:</translation>
    </message>
    <message>
        <source>Ré&amp;gion :</source>
        <translation>Reg&amp;ion:</translation>
    </message>
    <message>
        <source>Millé&amp;sime :</source>
        <translation>&amp;Vintage:</translation>
    </message>
    <message>
        <source>A&amp;ppellation :</source>
        <translation>A&amp;ppellation:</translation>
    </message>
    <message>
        <source>Domaine ou C&amp;hâteau :</source>
        <translation>E&amp;state or château:</translation>
    </message>
    <message>
        <source>P&amp;ropriétaire :</source>
        <translation>O&amp;wner:</translation>
    </message>
    <message>
        <source>Remar&amp;ques :</source>
        <translation>R&amp;emarks:</translation>
    </message>
    <message>
        <source>Apprécia&amp;tion :</source>
        <translation>R&amp;ating:</translation>
    </message>
    <message>
        <source>&amp;Bouteille :</source>
        <translation>&amp;Bottle:</translation>
    </message>
    <message>
        <source>Pri&amp;x :</source>
        <translation>P&amp;rice:</translation>
    </message>
    <message>
        <source>&amp;Lieu d&apos;achat :</source>
        <translation>Place o&amp;f purchase:</translation>
    </message>
    <message>
        <source>&amp;Date d&apos;achat :</source>
        <translation>P&amp;urchase date:</translation>
    </message>
    <message>
        <source>Q&amp;uantité consommée :</source>
        <translation>&amp;Quantity drunk:</translation>
    </message>
    <message>
        <source>Dat&amp;e consommation :</source>
        <translation>Da&amp;te drunk:</translation>
    </message>
    <message>
        <source>Co&amp;mmentaires :</source>
        <translation>Co&amp;mments:</translation>
    </message>
    <message>
        <source>&amp;Invités :</source>
        <translation>&amp;Guests:</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Région</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Appellation</source>
        <translation>Appellation</translation>
    </message>
    <message>
        <source>Nom du domaine ou du château</source>
        <translation>Name of the estate or château</translation>
    </message>
    <message>
        <source>Millésime</source>
        <translation>Vintage</translation>
    </message>
    <message>
        <source>Nom du propriétaire</source>
        <translation>Name of the owner</translation>
    </message>
    <message>
        <source>Remarques sur le vin</source>
        <translation>Remarks on the wine</translation>
    </message>
    <message>
        <source>Votre appréciation</source>
        <translation>Your rating</translation>
    </message>
    <message>
        <source>Format de bouteille</source>
        <translation>Bottle size</translation>
    </message>
    <message>
        <source>Prix unitaire</source>
        <translation>Unit price</translation>
    </message>
    <message>
        <source>Lieu d&apos;achat</source>
        <translation>Place of purchase</translation>
    </message>
    <message>
        <source>Date de l&apos;achat</source>
        <translation>Date of purchase</translation>
    </message>
    <message>
        <source>Nombre de bouteilles consommées</source>
        <translation>Number of bottles drunk</translation>
    </message>
    <message>
        <source>Date de consommation</source>
        <translation>Date drunk</translation>
    </message>
    <message>
        <source>Vos commentaires sur le vin</source>
        <translation>Your comments on the wine</translation>
    </message>
    <message>
        <source>Vos invités</source>
        <translation>Your guests</translation>
    </message>
    <message>
        <source>Retour aux vins consommés</source>
        <translation>Back to the wines drunk</translation>
    </message>
    <message>
        <source>Retour aux vins consommés sans sauvegarde</source>
        <translation>Back to the wines drunk without saving</translation>
    </message>
    <message>
        <source>Accès à l&apos;aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>A&amp;nnuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Vin consommé à l&apos;extérieur</source>
        <translation>Wine drunk elsewhere</translation>
    </message>
    <message>
        <source>A&amp;fficher seulement les appellations de la région</source>
        <translation>Show onl&amp;y the appellations of the region</translation>
    </message>
</context>
<context>
    <name>TRestoreForm</name>
    <message>
        <source>Restauration des bases de données</source>
        <translation>Restore the data files</translation>
    </message>
    <message>
        <source>Etat d&apos;avancement de la restauration</source>
        <translation>Progress of the restore</translation>
    </message>
    <message>
        <source>Lancement de la restauration</source>
        <translation>Starts the restore</translation>
    </message>
    <message>
        <source>Retour au menu principal sans restauration</source>
        <translation>Back to the main window without restoring</translation>
    </message>
    <message>
        <source>Le dossier des données ne peut pas être restauré sur lui-même</source>
        <translation>The data folder cannot be restored from itself</translation>
    </message>
    <message>
        <source>La restauration du %1 va écrasez les bases actuelles ?</source>
        <translation>Restoring the backup of %1 will overwrite the current data files. Go on?</translation>
    </message>
    <message>
        <source>Le fichier %1 de la sauvegarde est incomplet : rien n&apos;a été restauré</source>
        <translation>The backup file %1 is incomplete: nothing was restored</translation>
    </message>
</context>
<context>
    <name>TSaveForm</name>
    <message>
        <source>Lecteur :</source>
        <translation>Drive:</translation>
    </message>
    <message>
        <source>Dernière sauvegarde :</source>
        <translation>Last backup:</translation>
    </message>
    <message>
        <source>Inserez une disquette dans le lecteur et pressez OK</source>
        <translation>Insert a disk in the drive and press OK</translation>
    </message>
    <message>
        <source>Autre dossier...</source>
        <translation>Other folder...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Lecteur de sauvegarde</source>
        <translation>Backup drive</translation>
    </message>
    <message>
        <source>Date de la dernière sauvegarde</source>
        <translation>Date of the last backup</translation>
    </message>
    <message>
        <source>Accès à l&apos;aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Aucune</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Dossier de sauvegarde</source>
        <translation>Backup folder</translation>
    </message>
    <message>
        <source>Choisissez un lecteur ou un dossier</source>
        <translation>Choose a drive or a folder</translation>
    </message>
    <message>
        <source>Sauvegarde sur disquette</source>
        <translation>Back up the data files</translation>
    </message>
    <message>
        <source>Etat d&apos;avancement de la sauvegarde</source>
        <translation>Progress of the backup</translation>
    </message>
    <message>
        <source>Lancement de la sauvegarde</source>
        <translation>Starts the backup</translation>
    </message>
    <message>
        <source>Retour au menu principal sans sauvegarde</source>
        <translation>Back to the main window without a backup</translation>
    </message>
    <message>
        <source>Le dossier des données ne peut pas recevoir sa propre sauvegarde</source>
        <translation>The data folder cannot hold its own backup</translation>
    </message>
    <message>
        <source>Voulez vous écraser la sauvegarde du %1 ?</source>
        <translation>Do you want to overwrite the backup of %1?</translation>
    </message>
</context>
<context>
    <name>TStatForm</name>
    <message>
        <source>Statistiques sur le contenu de la cave</source>
        <translation>Statistics of the cellar</translation>
    </message>
    <message>
        <source>Par &amp;Couleur</source>
        <translation>By &amp;Colour</translation>
    </message>
    <message>
        <source>Par &amp;Région</source>
        <translation>By Cou&amp;ntry</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Type de statistiques</source>
        <translation>Kind of statistics</translation>
    </message>
    <message>
        <source>Statistiques</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Imprime les statistiques</source>
        <translation>Prints the statistics</translation>
    </message>
    <message>
        <source>Retour à l&apos;écran principal</source>
        <translation>Back to the main window</translation>
    </message>
    <message>
        <source>Accès à l&apos;aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Statistiques par couleur</source>
        <translation>Statistics per colour</translation>
    </message>
    <message>
        <source>Statistiques par région</source>
        <translation>Statistics per country</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Région</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Bts</source>
        <translation>Btls</translation>
    </message>
    <message>
        <source>Vins</source>
        <translation>Wines</translation>
    </message>
    <message>
        <source>Montant</source>
        <translation>Amount</translation>
    </message>
</context>
<context>
    <name>TStickerform</name>
    <message>
        <source>Impression d&apos;étiquettes</source>
        <translation>Printing labels</translation>
    </message>
    <message>
        <source>&amp;Nombre d&apos;étiquettes à imprimer :</source>
        <translation>&amp;Number of labels to print:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Nombre d&apos;étiquettes</source>
        <translation>Number of labels</translation>
    </message>
    <message>
        <source>Lance l&apos;impression</source>
        <translation>Starts printing</translation>
    </message>
    <message>
        <source>Annule l&apos;impression</source>
        <translation>Cancels printing</translation>
    </message>
</context>
<context>
    <name>TVinForm</name>
    <message>
        <source>Caractéristiques d&apos;un vin</source>
        <translation>Characteristics of a wine</translation>
    </message>
    <message>
        <source>Couleur :</source>
        <translation>Colour:</translation>
    </message>
    <message>
        <source>Région :</source>
        <translation>Region:</translation>
    </message>
    <message>
        <source>Appellation :</source>
        <translation>Appellation:</translation>
    </message>
    <message>
        <source>Température :</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>Garde :</source>
        <translation>Keeping:</translation>
    </message>
    <message>
        <source>&amp;Plats :</source>
        <translation>&amp;Dishes:</translation>
    </message>
    <message>
        <source>&amp;Millésimes :</source>
        <translation>&amp;Vintages:</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Région</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Appellation</source>
        <translation>Appellation</translation>
    </message>
    <message>
        <source>Température de service</source>
        <translation>Serving temperature</translation>
    </message>
    <message>
        <source>Période de garde</source>
        <translation>Keeping period</translation>
    </message>
    <message>
        <source>Liste des mets</source>
        <translation>Dishes</translation>
    </message>
    <message>
        <source>Liste des millésimes</source>
        <translation>Vintages</translation>
    </message>
    <message>
        <source>Retour à l&apos;écran précédent</source>
        <translation>Back to the previous window</translation>
    </message>
    <message>
        <source>Accès à l&apos;aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Imprime les caractéristiques</source>
        <translation>Prints the characteristics</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>Plats</source>
        <translation>Dish</translation>
    </message>
    <message>
        <source>Année</source>
        <translation>Vintage</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
</context>
<context>
    <name>TZoomConsoForm</name>
    <message>
        <source>Caractéristique d&apos;un vin consommé</source>
        <translation>Characteristics of a wine drunk</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Supprime cette entrée de la base</source>
        <translation>Deletes this entry from the history</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Précédent</source>
        <translation>&lt;&lt; &amp;Previous</translation>
    </message>
    <message>
        <source>Vin précédent</source>
        <translation>Previous wine</translation>
    </message>
    <message>
        <source>Sui&amp;vant &gt;&gt;</source>
        <translation>Ne&amp;xt &gt;&gt;</translation>
    </message>
    <message>
        <source>Vin suivant</source>
        <translation>Next wine</translation>
    </message>
    <message>
        <source>Cette entrée a été modifiée dans le fichier des vins consommés depuis son affichage : vos changements ne sont pas enregistrés.</source>
        <translation>This entry has changed in the file of wines drunk since it was shown: your changes are not saved.</translation>
    </message>
    <message>
        <source>Cette entrée a été modifiée dans le fichier des vins consommés depuis son affichage : elle n&apos;est pas supprimée.</source>
        <translation>This entry has changed in the file of wines drunk since it was shown: it is not deleted.</translation>
    </message>
</context>
<context>
    <name>TZoomForm</name>
    <message>
        <source>Zoom d&apos;un vin de la cave</source>
        <translation>Zoom on a cellar wine</translation>
    </message>
    <message>
        <source>Retour au livre de cave</source>
        <translation>Back to the cellar book</translation>
    </message>
    <message>
        <source>Retour au livre de cave sans sauvegarde</source>
        <translation>Back to the cellar book without saving</translation>
    </message>
    <message>
        <source>Imprime des étiquettes</source>
        <translation>Prints labels</translation>
    </message>
    <message>
        <source>Caractèristiques du vin</source>
        <translation>Characteristics of the wine</translation>
    </message>
    <message>
        <source>Vin précédent</source>
        <translation>Previous wine</translation>
    </message>
    <message>
        <source>Vin suivant</source>
        <translation>Next wine</translation>
    </message>
    <message>
        <source>&amp;Étiquettes</source>
        <translation>&amp;Labels</translation>
    </message>
    <message>
        <source>&amp;Caractéristiques</source>
        <translation>&amp;Characteristics</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Précédent</source>
        <translation>&lt;&lt; &amp;Previous</translation>
    </message>
    <message>
        <source>&amp;Suivant &gt;&gt;</source>
        <translation>&amp;Next &gt;&gt;</translation>
    </message>
    <message>
        <source>Ce vin a été modifié dans le fichier de la cave depuis son affichage : vos changements ne sont pas enregistrés.</source>
        <translation>This wine was changed in the cellar file since it was shown: your changes are not saved.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Tadminbase</name>
    <message>
        <source>Administration des appellations</source>
        <translation>Appellation administration</translation>
    </message>
    <message>
        <source>&amp;Couleur :</source>
        <translation>Colo&amp;ur:</translation>
    </message>
    <message>
        <source>&amp;Région :</source>
        <translation>Re&amp;gion:</translation>
    </message>
    <message>
        <source>&amp;Appellation :</source>
        <translation>Appe&amp;llation:</translation>
    </message>
    <message>
        <source>&amp;Température :</source>
        <translation>&amp;Temperature:</translation>
    </message>
    <message>
        <source>&amp;Garde :</source>
        <translation>Kee&amp;ping:</translation>
    </message>
    <message>
        <source>P&amp;lat :</source>
        <translation>Dis&amp;h:</translation>
    </message>
    <message>
        <source>&amp;Millésime :</source>
        <translation>&amp;Vintage:</translation>
    </message>
    <message>
        <source>&amp;Note :</source>
        <translation>&amp;Mark:</translation>
    </message>
    <message>
        <source>Affic&amp;her seulement les appellations de la région</source>
        <translation>Sho&amp;w only the appellations of the region</translation>
    </message>
    <message>
        <source>Entrée&amp;s</source>
        <translation>&amp;Starters</translation>
    </message>
    <message>
        <source>Plats</source>
        <translation>Dishes</translation>
    </message>
    <message>
        <source>&amp;Plats</source>
        <translation>D&amp;ishes</translation>
    </message>
    <message>
        <source>&amp;Fromages</source>
        <translation>&amp;Cheeses</translation>
    </message>
    <message>
        <source>&amp;Desserts</source>
        <translation>Desse&amp;rts</translation>
    </message>
    <message>
        <source>Millésimes</source>
        <translation>Vintages</translation>
    </message>
    <message>
        <source>A&amp;joute</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>S&amp;upprime</source>
        <translation>R&amp;emove</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Année</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Annul&amp;er</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Région</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Appellation</source>
        <translation>Appellation</translation>
    </message>
    <message>
        <source>Température de service</source>
        <translation>Serving temperature</translation>
    </message>
    <message>
        <source>Période de garde</source>
        <translation>Keeping period</translation>
    </message>
    <message>
        <source>Plat à ajouter</source>
        <translation>Dish to add</translation>
    </message>
    <message>
        <source>Liste des mets</source>
        <translation>Dishes</translation>
    </message>
    <message>
        <source>Millésime à ajouter</source>
        <translation>Vintage to add</translation>
    </message>
    <message>
        <source>Note du millésime sur 20</source>
        <translation>Mark of the vintage out of 20</translation>
    </message>
    <message>
        <source>Liste des millésimes</source>
        <translation>Vintages</translation>
    </message>
    <message>
        <source>Enregistre l&apos;appellation</source>
        <translation>Saves the appellation</translation>
    </message>
    <message>
        <source>Retour au menu principal sans sauvegarde</source>
        <translation>Back to the main menu without saving</translation>
    </message>
    <message>
        <source>Accès à l&apos;aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Aj&amp;oute</source>
        <translation>A&amp;dd</translation>
    </message>
    <message>
        <source>Suppr&amp;ime</source>
        <translation>Rem&amp;ove</translation>
    </message>
    <message>
        <source>Supprime l&apos;appellation</source>
        <translation>Deletes the appellation</translation>
    </message>
    <message>
        <source>Vous n&apos;avez saisi aucun plat</source>
        <translation>You have not entered a dish</translation>
    </message>
    <message>
        <source>Vous n&apos;avez saisi aucune année</source>
        <translation>You have not entered a year</translation>
    </message>
</context>
<context>
    <name>Tdomaine_form</name>
    <message>
        <source>Gestion des domaines</source>
        <translation>Estates</translation>
    </message>
    <message>
        <source>&amp;Domaine ou Château :</source>
        <translation>&amp;Estate or château:</translation>
    </message>
    <message>
        <source>&amp;Propriétaire :</source>
        <translation>&amp;Owner:</translation>
    </message>
    <message>
        <source>&amp;Région :</source>
        <translation>Re&amp;gion:</translation>
    </message>
    <message>
        <source>Appe&amp;llation :</source>
        <translation>A&amp;ppellation:</translation>
    </message>
    <message>
        <source>Affic&amp;her seulement les appellations de la région</source>
        <translation>Show only the appellations of the &amp;region</translation>
    </message>
    <message>
        <source>Nom du domaine ou du château</source>
        <translation>Name of the estate or château</translation>
    </message>
    <message>
        <source>Nom du propriétaire</source>
        <translation>Name of the owner</translation>
    </message>
    <message>
        <source>Région de l&apos;appellation</source>
        <translation>Region of the appellation</translation>
    </message>
    <message>
        <source>Appellation du domaine</source>
        <translation>Appellation of the estate</translation>
    </message>
    <message>
        <source>Ajoute le nouveau domaine dans la base</source>
        <translation>Adds the estate to the list</translation>
    </message>
    <message>
        <source>Supprime le domaine de la base</source>
        <translation>Removes the estate from the list</translation>
    </message>
    <message>
        <source>Ferme la fenêtre</source>
        <translation>Closes the window</translation>
    </message>
    <message>
        <source>Accès à l&apos;aide</source>
        <translation>Opens the help</translation>
    </message>
    <message>
        <source>&amp;Ajoute</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Supprime</source>
        <translation>Re&amp;move</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Aid&amp;e</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>Treport_sticker</name>
    <message>
        <source>Étiquettes</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>A déguster avant :</source>
        <translation>Drink before:</translation>
    </message>
</context>
</TS>
