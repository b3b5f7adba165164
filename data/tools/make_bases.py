#!/usr/bin/env python3
"""Writes the reference bases that ship with Tonnelix, in French and in English.

    python3 data/tools/make_bases.py          (from the source root, or from anywhere)

Output, code page 1252 with CR LF line ends:
    data/fr/Vins.dat   data/fr/Annee.dat   data/fr/Apogee.dat
    data/en/Wines.dat  data/en/Year.dat    data/en/Mature.dat

The tables below are the whole knowledge of the bases: one dish catalogue in both
languages (so that a dish is spelled the same in every section, which food and wine
pairing relies on), one row per appellation and colour, the vintage marks per group of
appellations that share a climate, and the years to the peak per colour and region.
Edit the tables and run the script again; never edit the .dat files by hand.
Standard library only.
"""

import os
import sys
import unicodedata

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# --------------------------------------------------------------------------- vocabulary

# The default region lists of the program, in their order; (French, English) pairs.
REGIONS = [
    ("Alsace", "Alsace"), ("Beaujolais", "Beaujolais"), ("Bordeaux", "Bordeaux"),
    ("Bourgogne", "Burgundy"), ("Champagne", "Champagne"), ("Corse", "Corsica"),
    ("Jura/Savoie", "Jura/Savoie"), ("Languedoc/Roussillon", "Languedoc/Roussillon"),
    ("Pays de Loire", "Loire Valley"), ("Provence", "Provence"), ("Rhône", "Rhone"),
    ("Sud Ouest", "Sud Ouest"), ("Afrique du Sud", "South Africa"), ("Allemagne", "Germany"),
    ("Algerie", "Algeria"), ("Argentine", "Argentina"), ("Australie", "Australia"),
    ("Autriche", "Austria"), ("Brésil", "Brasil"), ("Bulgarie", "Bulgaria"),
    ("Canada", "Canada"), ("Chili", "Chile"), ("Chine", "China"), ("Chypre", "Cyprus"),
    ("Espagne", "Spain"), ("Etats-Unis", "United States"), ("Grèce", "Greece"),
    ("Hongrie", "Hungary"), ("Israël", "Israel"), ("Inde", "India"), ("Italie", "Italy"),
    ("Liban", "Lebanon"), ("Luxembourg", "Luxembourg"), ("Maroc", "Marocco"),
    ("Mexique", "Mexico"), ("Nouvelle-Zélande", "New Zealand"), ("Portugal", "Portugal"),
    ("République tchèque", "Czech Republic"), ("Roumanie", "Roumania"),
    ("Royaume Uni", "United Kingdom"), ("Slovaquie", "Slovakia"), ("Slovénie", "Slovenia"),
    ("Suisse", "Switzerland"), ("Tunisie", "Tunisia"), ("Turquie", "Turkey"),
    ("Uruguay", "Uruguay"), ("Zimbabwe", "Zimbabwe"),
]
REGION_EN = dict(REGIONS)
# The English list is in English alphabetical order, not in the French one.
REGIONS_EN_ORDER = [
    "Alsace", "Beaujolais", "Bordeaux", "Burgundy", "Champagne", "Corsica", "Jura/Savoie",
    "Languedoc/Roussillon", "Loire Valley", "Provence", "Rhone", "Sud Ouest", "Algeria",
    "Argentina", "Australia", "Austria", "Brasil", "Bulgaria", "Canada", "Chile", "China",
    "Cyprus", "Czech Republic", "Germany", "Greece", "Hungary", "India", "Italy", "Israel",
    "Lebanon", "Luxembourg", "Marocco", "Mexico", "New Zealand", "Portugal", "Roumania",
    "Slovakia", "Slovenia", "Spain", "South Africa", "Switzerland", "Tunisia", "Turkey",
    "United Kingdom", "United States", "Uruguay", "Zimbabwe",
]

# Colour codes of the rows, with the default colour lists (in their order).
COLOURS = {"B": ("Blanc", "White"), "R": ("Rouge", "Red"), "P": ("Rosé", "Rose")}
COLOUR_ORDER = "BRP"

# The four courses of each language, 7 characters as the files hold them.
COURSES = {
    "E": ("Entrées", "Starter"),
    "P": ("Plats  ", "Courses"),
    "F": ("Fromage", "Cheeses"),
    "D": ("Dessert", "Dessert"),
}

# --------------------------------------------------------------------------- dishes

# key | course | French | English   (each name at most 30 characters)
DISH_TABLE = """
huitres             | E | Huîtres                       | Oysters
fruits_mer          | E | Plateau de fruits de mer      | Seafood platter
moules              | E | Moules marinières             | Mussels in white wine
crevettes           | E | Crevettes grillées            | Grilled prawns
langoustines        | E | Langoustines                  | Langoustines
coquilles           | E | Coquilles Saint-Jacques       | Scallops
ecrevisses          | E | Écrevisses                    | Crayfish
crabe               | E | Crabe                         | Crab
oursins             | E | Oursins                       | Sea urchins
caviar              | E | Caviar                        | Caviar
saumon_fume         | E | Saumon fumé                   | Smoked salmon
sushi               | E | Sushis et sashimis            | Sushi and sashimi
ceviche             | E | Ceviche                       | Ceviche
poulpe              | E | Poulpe grillé                 | Grilled octopus
sardines            | E | Sardines grillées             | Grilled sardines
anchois             | E | Anchois de Collioure          | Collioure anchovies
calamars            | E | Calamars frits                | Fried squid
friture             | E | Friture de poissons           | Fried small fish
tielle              | E | Tielle sétoise                | Sète octopus pie
soupe_poisson       | E | Soupe de poissons             | Fish soup
foie_gras           | E | Foie gras                     | Foie gras
foie_gras_poele     | E | Foie gras poêlé               | Pan-fried foie gras
terrine             | E | Terrine de campagne           | Country terrine
pate_croute         | E | Pâté en croûte                | Pâté en croûte
charcuterie         | E | Charcuterie                   | Charcuterie
charcut_corse       | E | Charcuterie corse             | Corsican charcuterie
jambon_cru          | E | Jambon cru                    | Cured ham
jamon               | E | Jambon ibérique               | Iberian ham
chorizo             | E | Chorizo                       | Chorizo
viande_sechee       | E | Viande séchée du Valais       | Valais air-dried beef
jambon_persille     | E | Jambon persillé               | Parsleyed ham terrine
rillettes           | E | Rillettes                     | Rillettes
rillons             | E | Rillons                       | Rillons (crisp pork belly)
escargots           | E | Escargots de Bourgogne        | Burgundy snails
oeufs_meurette      | E | Œufs en meurette              | Eggs poached in red wine
gougeres            | E | Gougères                      | Gougères (cheese puffs)
quiche              | E | Quiche lorraine               | Quiche lorraine
tarte_flambee       | E | Tarte flambée                 | Flammekueche
croute_morilles     | E | Croûte aux morilles           | Morels on toast
asperges            | E | Asperges                      | Asparagus
salade_chevre       | E | Salade de chèvre chaud        | Warm goat's cheese salad
salade_composee     | E | Salades composées             | Mixed salads
salade_nicoise      | E | Salade niçoise                | Niçoise salad
salade_grecque      | E | Salade grecque                | Greek salad
melon               | E | Melon                         | Melon
pissaladiere        | E | Pissaladière                  | Onion and anchovy tart
tapenade            | E | Tapenade                      | Olive tapenade
tapas               | E | Tapas                         | Tapas
olives_amandes      | E | Amandes et olives             | Almonds and olives
antipasti           | E | Antipasti                     | Antipasti
mezze               | E | Mezze                         | Mezze
vitello_tonnato     | E | Vitello tonnato               | Vitello tonnato
carpaccio           | E | Carpaccio de bœuf             | Beef carpaccio
tajarin             | E | Tagliatelles à la truffe      | Tagliatelle with truffle
risotto_champignons | E | Risotto aux champignons       | Mushroom risotto
pates_pesto         | E | Pâtes au pesto                | Pasta with pesto
cepes               | E | Cèpes à la bordelaise         | Ceps bordelaise
truffes             | E | Brouillade aux truffes        | Scrambled eggs with truffle
consomme            | E | Consommé                      | Consommé
piperade            | E | Piperade                      | Piperade
empanadas           | E | Empanadas                     | Empanadas
provoleta           | E | Provoleta grillée             | Grilled provoleta
garbure             | E | Garbure                       | Garbure (cabbage soup)
poisson_grille      | P | Poissons grillés              | Grilled fish
sandre              | P | Sandre au beurre blanc        | Pike-perch, beurre blanc
turbot              | P | Turbot sauce hollandaise      | Turbot, hollandaise sauce
sole                | P | Sole meunière                 | Sole meunière
bar_fenouil         | P | Bar grillé au fenouil         | Sea bass with fennel
saumon_grille       | P | Saumon grillé                 | Grilled salmon
thon                | P | Thon mi-cuit                  | Seared tuna
truite              | P | Truite aux amandes            | Trout with almonds
filets_perche       | P | Filets de perche              | Fillets of perch
lamproie            | P | Lamproie à la bordelaise      | Lamprey bordelaise
quenelles           | P | Quenelles de brochet          | Pike quenelles
homard              | P | Homard grillé                 | Grilled lobster
bouillabaisse       | P | Bouillabaisse                 | Bouillabaisse
aioli               | P | Aïoli                         | Aïoli with cod and vegetables
brandade            | P | Brandade de morue             | Salt cod brandade
morue               | P | Morue (bacalhau)              | Salt cod (bacalhau)
pates_fruits_mer    | P | Pâtes aux fruits de mer       | Seafood pasta
paella              | P | Paella                        | Paella
fish_chips          | P | Fish and chips                | Fish and chips
cuisine_asiatique   | P | Cuisine asiatique             | Asian cuisine
curry               | P | Curry de volaille             | Chicken curry
canard_laque        | P | Canard laqué                  | Peking duck
choucroute          | P | Choucroute garnie             | Alsace choucroute
baeckeoffe          | P | Baeckeoffe                    | Alsace meat and potato bake
coq_riesling        | P | Coq au riesling               | Chicken in riesling
coq_au_vin          | P | Coq au vin                    | Coq au vin
boeuf_bourguignon   | P | Bœuf bourguignon              | Beef bourguignon
volaille_creme      | P | Volaille à la crème           | Chicken in cream sauce
poulet_vin_jaune    | P | Poulet au vin jaune           | Chicken with vin jaune
volaille_bresse     | P | Volaille de Bresse rôtie      | Roast Bresse chicken
poulet_roti         | P | Poulet rôti                   | Roast chicken
poulet_paprika      | P | Poulet au paprika             | Chicken paprikash
magret              | P | Magret de canard              | Duck breast
confit_canard       | P | Confit de canard              | Duck confit
cassoulet           | P | Cassoulet                     | Cassoulet
pigeon              | P | Pigeon rôti                   | Roast squab
gibier_plume        | P | Gibier à plume                | Game birds
civet_lievre        | P | Civet de lièvre               | Jugged hare
sanglier            | P | Daube de sanglier             | Braised wild boar
chevreuil           | P | Chevreuil grand veneur        | Venison, grand veneur sauce
agneau_roti         | P | Gigot d'agneau                | Roast leg of lamb
agneau_pauillac     | P | Agneau de Pauillac            | Pauillac lamb
carre_agneau        | P | Carré d'agneau aux herbes     | Rack of lamb with herbs
brochettes_agneau   | P | Brochettes d'agneau           | Lamb kebabs
tajine              | P | Tajine d'agneau               | Lamb tagine
cabri               | P | Cabri rôti                    | Roast kid
cordero             | P | Agneau de lait rôti           | Roast milk-fed lamb
cochon_lait         | P | Cochon de lait rôti           | Roast suckling pig
entrecote           | P | Entrecôte bordelaise          | Rib steak bordelaise
cote_boeuf          | P | Côte de bœuf grillée          | Grilled rib of beef
filet_boeuf         | P | Filet de bœuf aux morilles    | Beef fillet with morels
tournedos           | P | Tournedos Rossini             | Tournedos Rossini
daube               | P | Daube provençale              | Provençal beef stew
gardiane            | P | Gardiane de taureau           | Camargue bull stew
brasato             | P | Bœuf braisé au barolo         | Beef braised in barolo
bistecca            | P | Bistecca à la florentine      | Bistecca alla fiorentina
pappardelle         | P | Pappardelle au sanglier       | Pappardelle with wild boar
osso_buco           | P | Osso buco                     | Osso buco
bollito             | P | Bollito misto                 | Bollito misto
pates_bolo          | P | Pâtes à la bolognaise         | Pasta bolognese
lasagnes            | P | Lasagnes                      | Lasagne
pizza               | P | Pizza                         | Pizza
cote_veau           | P | Côte de veau aux girolles     | Veal chop with chanterelles
ris_veau            | P | Ris de veau                   | Veal sweetbreads
lapin               | P | Lapin à la moutarde           | Rabbit with mustard
porc_roti           | P | Rôti de porc                  | Roast pork
porc_palourdes      | P | Porc aux palourdes            | Pork with clams
ribs                | P | Travers de porc laqués        | Sticky pork ribs
barbecue            | P | Grillades au barbecue         | Barbecued meats
burger              | P | Hamburger                     | Burger
chili               | P | Chili con carne               | Chili con carne
asado               | P | Asado                         | Asado (Argentine barbecue)
andouillette        | P | Andouillette                  | Andouillette
saucisson_chaud     | P | Saucisson chaud lyonnais      | Lyon sausage, warm potatoes
saucisses           | P | Saucisses grillées            | Grilled sausages
saucisse_morteau    | P | Saucisse de Morteau           | Morteau sausage
saucisse_toulouse   | P | Saucisse de Toulouse          | Toulouse sausage
diots               | P | Diots au vin blanc            | Savoy sausages in white wine
tripoux             | P | Tripoux                       | Tripoux (Aveyron tripe)
aligot              | P | Saucisse-aligot               | Sausage with aligot
axoa                | P | Axoa de veau                  | Basque veal axoa
boles_picolat       | P | Boles de picolat              | Catalan meatballs
saumagen            | P | Saumagen                      | Saumagen (stuffed pork)
goulash             | P | Goulasch                      | Goulash
schnitzel           | P | Escalope viennoise            | Wiener Schnitzel
tafelspitz          | P | Tafelspitz                    | Tafelspitz (boiled beef)
moussaka            | P | Moussaka                      | Moussaka
fondue              | P | Fondue savoyarde              | Savoy cheese fondue
raclette            | P | Raclette                      | Raclette
tartiflette         | P | Tartiflette                   | Tartiflette
chevre_frais        | F | Chèvre frais                  | Fresh goat's cheese
chevres             | F | Fromages de chèvre            | Goat's cheeses
crottin             | F | Crottin de Chavignol          | Crottin de Chavignol
sainte_maure        | F | Sainte-Maure de Touraine      | Sainte-Maure de Touraine
selles              | F | Selles-sur-Cher               | Selles-sur-Cher
pelardon            | F | Pélardon                      | Pélardon
picodon             | F | Picodon                       | Picodon
banon               | F | Banon                         | Banon
rigotte             | F | Rigotte de Condrieu           | Rigotte de Condrieu
cabecou             | F | Cabécou                       | Cabécou
rocamadour          | F | Rocamadour                    | Rocamadour
cure_nantais        | F | Curé nantais                  | Curé nantais
brocciu             | F | Brocciu                       | Brocciu
comte               | F | Comté                         | Comté
comte_vieux         | F | Comté vieux                   | Aged Comté
beaufort            | F | Beaufort                      | Beaufort
reblochon           | F | Reblochon                     | Reblochon
tomme_savoie        | F | Tomme de Savoie               | Tomme de Savoie
morbier             | F | Morbier                       | Morbier
bleu_gex            | F | Bleu de Gex                   | Bleu de Gex
munster             | F | Munster                       | Munster
epoisses            | F | Époisses                      | Époisses
langres             | F | Langres                       | Langres
chaource            | F | Chaource                      | Chaource
brie                | F | Brie de Meaux                 | Brie de Meaux
saint_nectaire      | F | Saint-Nectaire                | Saint-Nectaire
saint_marcellin     | F | Saint-Marcellin               | Saint-Marcellin
cantal              | F | Cantal                        | Cantal
laguiole            | F | Laguiole                      | Laguiole
mimolette           | F | Mimolette vieille             | Aged Mimolette
ossau               | F | Ossau-Iraty                   | Ossau-Iraty
tomme_pyrenees      | F | Tomme des Pyrénées            | Pyrenean tomme
tomme_brebis        | F | Tomme de brebis               | Sheep's milk tomme
tomme_corse         | F | Tomme corse                   | Corsican tomme
roquefort           | F | Roquefort                     | Roquefort
fourme              | F | Fourme d'Ambert               | Fourme d'Ambert
stilton             | F | Stilton                       | Stilton
gorgonzola          | F | Gorgonzola                    | Gorgonzola
parmesan            | F | Parmesan                      | Parmigiano Reggiano
pecorino            | F | Pecorino                      | Pecorino
castelmagno         | F | Castelmagno                   | Castelmagno
mozzarella          | F | Mozzarella di bufala          | Buffalo mozzarella
manchego            | F | Manchego                      | Manchego
idiazabal           | F | Idiazabal                     | Idiazabal
tetilla             | F | Tetilla                       | Tetilla
serra               | F | Serra da Estrela              | Serra da Estrela
feta                | F | Feta                          | Feta
cheddar             | F | Cheddar affiné                | Mature Cheddar
gruyere             | F | Gruyère                       | Gruyère
vacherin            | F | Vacherin Mont-d'Or            | Vacherin Mont-d'Or
tete_moine          | F | Tête de Moine                 | Tête de Moine
tarte_pommes        | D | Tarte aux pommes              | Apple tart
tarte_tatin         | D | Tarte Tatin                   | Tarte Tatin
tarte_fruits_rouges | D | Tarte aux fruits rouges       | Red berry tart
soupe_fruits_rouges | D | Soupe de fruits rouges        | Red berry soup
tarte_abricots      | D | Tarte aux abricots            | Apricot tart
tarte_citron        | D | Tarte au citron               | Lemon tart
tarte_noix          | D | Tarte aux noix                | Walnut tart
tarte_pralines      | D | Tarte aux pralines            | Pink praline tart
creme_brulee        | D | Crème brûlée                  | Crème brûlée
creme_catalane      | D | Crème catalane                | Crème catalane
chocolat            | D | Desserts au chocolat          | Chocolate desserts
fruits_secs         | D | Fruits secs                   | Dried fruit and nuts
biscuits_roses      | D | Biscuits roses de Reims       | Reims pink biscuits
kougelhopf          | D | Kouglof                       | Kougelhopf
salade_fruits       | D | Salade de fruits              | Fruit salad
fruits_exotiques    | D | Desserts aux fruits exotiques | Tropical fruit desserts
tiramisu            | D | Tiramisu                      | Tiramisu
panettone           | D | Panettone                     | Panettone
cantucci            | D | Cantucci                      | Cantucci biscuits
pastel_nata         | D | Pastéis de nata               | Pastéis de nata
patisseries_orient  | D | Pâtisseries orientales        | Middle Eastern pastries
glace_vanille       | D | Glace à la vanille            | Vanilla ice cream
gateau_basque       | D | Gâteau basque                 | Gâteau basque
croustade           | D | Croustade aux pommes          | Gascon apple pie
fiadone             | D | Fiadone                       | Fiadone (Corsican cheesecake)
nougat_glace        | D | Nougat glacé                  | Iced nougat
pogne               | D | Pogne de Romans               | Pogne (brioche)
strudel             | D | Strudel aux pommes            | Apple strudel
christmas_pudding   | D | Christmas pudding             | Christmas pudding
pain_epices         | D | Pain d'épices                 | Gingerbread
"""


def parse_dishes():
    dishes = {}
    for line in DISH_TABLE.strip().splitlines():
        key, course, fr, en = [part.strip() for part in line.split("|")]
        if key in dishes:
            sys.exit(f"dish {key} twice")
        if course not in COURSES:
            sys.exit(f"dish {key}: unknown course {course}")
        dishes[key] = (course, fr, en)
    return dishes


DISHES = parse_dishes()

# --------------------------------------------------------------------------- appellations

# One row per appellation and colour:
#   region (French name), appellation, colour (B, R or P),
#   serving temperature in °C (low, high),
#   keeping period in years (low, high), (0, n) for "drink within n years",
#   or READY for wines sold ready to drink that keep well once bottled,
#   the dishes (keys of the catalogue), in the order a sommelier would suggest them.
READY = "ready"
ROWS = []
_region = None


def region(name):
    global _region
    if name not in REGION_EN:
        sys.exit(f"unknown region {name}")
    _region = name


def A(appellation, colour, temp, keep, dishes):
    ROWS.append((_region, appellation, colour, temp, keep, dishes.split()))


region("Alsace")
A("Alsace Riesling", "B", (8, 10), (3, 12), "huitres fruits_mer choucroute coq_riesling truite sandre comte")
A("Alsace Gewurztraminer", "B", (10, 12), (2, 10), "foie_gras curry cuisine_asiatique munster kougelhopf fruits_exotiques")
A("Alsace Pinot Gris", "B", (10, 12), (3, 12), "foie_gras pate_croute volaille_creme ris_veau gibier_plume comte")
A("Alsace Sylvaner", "B", (8, 10), (0, 3), "tarte_flambee huitres asperges quiche poisson_grille chevre_frais")
A("Alsace Pinot Blanc", "B", (8, 10), (1, 3), "quiche tarte_flambee asperges truite poulet_roti chevre_frais")
A("Alsace Muscat", "B", (8, 10), (0, 3), "asperges salade_composee cuisine_asiatique chevre_frais salade_fruits")
A("Alsace Pinot Noir", "R", (14, 16), (2, 6), "charcuterie terrine baeckeoffe poulet_roti lapin munster")
A("Alsace Pinot Noir", "P", (8, 10), (0, 2), "charcuterie tarte_flambee salade_composee barbecue chevre_frais")
A("Crémant d'Alsace", "B", (6, 8), (0, 3), "tarte_flambee huitres saumon_fume poisson_grille kougelhopf")
A("Crémant d'Alsace", "P", (6, 8), (0, 2), "saumon_fume charcuterie tarte_fruits_rouges soupe_fruits_rouges")
A("Alsace Grand Cru", "B", (10, 12), (5, 20), "foie_gras homard sandre ris_veau volaille_bresse comte_vieux munster")
A("Alsace Vendanges Tardives", "B", (8, 10), (5, 20), "foie_gras curry roquefort munster tarte_tatin fruits_exotiques")
A("Sélection de Grains Nobles", "B", (8, 10), (10, 30), "foie_gras roquefort tarte_tatin fruits_exotiques creme_brulee")
A("Alsace Edelzwicker", "B", (8, 10), (0, 2), "tarte_flambee charcuterie quiche choucroute chevre_frais")

region("Beaujolais")
A("Beaujolais", "R", (12, 14), (0, 2), "charcuterie terrine saucisson_chaud andouillette poulet_roti saint_marcellin")
A("Beaujolais", "B", (8, 10), (0, 2), "salade_composee quenelles poisson_grille chevre_frais")
A("Beaujolais", "P", (8, 10), (0, 1), "salade_composee charcuterie saucisses barbecue")
A("Beaujolais Nouveau", "R", (11, 13), (0, 1), "charcuterie rillettes saucisson_chaud saucisses chevre_frais")
A("Beaujolais-Villages", "R", (12, 14), (1, 3), "charcuterie pate_croute andouillette saucisson_chaud lapin poulet_roti saint_marcellin")
A("Beaujolais-Villages", "B", (8, 10), (1, 3), "quenelles poisson_grille volaille_creme chevres")
A("Brouilly", "R", (13, 14), (1, 4), "charcuterie terrine saucisson_chaud andouillette poulet_roti saint_marcellin")
A("Côte de Brouilly", "R", (13, 15), (2, 6), "terrine coq_au_vin volaille_bresse lapin saint_marcellin")
A("Chénas", "R", (14, 15), (3, 8), "pate_croute coq_au_vin boeuf_bourguignon gibier_plume comte")
A("Chiroubles", "R", (12, 14), (1, 3), "charcuterie terrine poulet_roti saucisses chevre_frais")
A("Fleurie", "R", (13, 14), (2, 5), "terrine volaille_bresse cote_veau lapin saint_marcellin brie")
A("Juliénas", "R", (13, 15), (2, 6), "pate_croute coq_au_vin andouillette magret reblochon saint_marcellin")
A("Morgon", "R", (14, 15), (3, 8), "oeufs_meurette saucisson_chaud coq_au_vin boeuf_bourguignon epoisses comte")
A("Moulin-à-Vent", "R", (15, 16), (4, 10), "pate_croute boeuf_bourguignon coq_au_vin gibier_plume comte epoisses")
A("Régnié", "R", (13, 14), (1, 4), "charcuterie andouillette poulet_roti saucisses chevres")
A("Saint-Amour", "R", (13, 14), (2, 5), "terrine pate_croute lapin poulet_roti saint_marcellin")

region("Bordeaux")
A("Bordeaux", "R", (16, 17), (2, 6), "charcuterie entrecote magret poulet_roti tomme_pyrenees")
A("Bordeaux", "B", (8, 10), (0, 3), "huitres fruits_mer poisson_grille chevre_frais")
A("Bordeaux", "P", (8, 10), (0, 1), "salade_composee charcuterie barbecue cuisine_asiatique")
A("Bordeaux Clairet", "P", (10, 12), (0, 2), "charcuterie barbecue poulet_roti paella tomme_brebis")
A("Bordeaux Supérieur", "R", (16, 17), (3, 8), "cepes entrecote magret agneau_roti tomme_pyrenees mimolette")
A("Crémant de Bordeaux", "B", (6, 8), (0, 3), "huitres saumon_fume gougeres tarte_pommes")
A("Crémant de Bordeaux", "P", (6, 8), (0, 2), "saumon_fume tarte_fruits_rouges soupe_fruits_rouges")
A("Entre-deux-Mers", "B", (8, 10), (0, 2), "huitres fruits_mer crevettes poisson_grille sardines chevre_frais")
A("Graves", "R", (16, 17), (5, 12), "cepes entrecote agneau_roti lamproie magret ossau mimolette")
A("Graves", "B", (10, 12), (2, 8), "huitres coquilles sandre sole volaille_creme chevres")
A("Pessac-Léognan", "R", (17, 18), (8, 25), "cepes agneau_roti entrecote filet_boeuf gibier_plume ossau comte_vieux")
A("Pessac-Léognan", "B", (11, 13), (5, 15), "coquilles homard turbot sole ris_veau volaille_creme chevres")
A("Médoc", "R", (16, 17), (4, 10), "cepes entrecote agneau_roti magret tomme_pyrenees mimolette")
A("Haut-Médoc", "R", (16, 18), (5, 15), "cepes entrecote agneau_roti cote_boeuf confit_canard ossau mimolette")
A("Pauillac", "R", (17, 18), (10, 30), "cepes agneau_pauillac cote_boeuf filet_boeuf gibier_plume ossau comte_vieux")
A("Margaux", "R", (17, 18), (8, 25), "cepes carre_agneau pigeon tournedos ris_veau saint_nectaire comte")
A("Saint-Julien", "R", (17, 18), (10, 25), "cepes carre_agneau filet_boeuf gibier_plume ossau mimolette")
A("Saint-Estèphe", "R", (17, 18), (10, 25), "cepes cote_boeuf entrecote chevreuil agneau_roti cantal mimolette")
A("Listrac-Médoc", "R", (16, 18), (6, 15), "cepes entrecote cote_boeuf agneau_roti tomme_pyrenees")
A("Moulis-en-Médoc", "R", (16, 18), (6, 15), "cepes agneau_roti magret confit_canard ossau")
A("Saint-Émilion", "R", (16, 17), (4, 10), "cepes magret entrecote lamproie saint_nectaire tomme_pyrenees")
A("Saint-Émilion Grand Cru", "R", (16, 18), (8, 20), "cepes truffes lamproie filet_boeuf magret gibier_plume saint_nectaire comte_vieux")
A("Pomerol", "R", (16, 18), (8, 20), "truffes foie_gras_poele filet_boeuf tournedos pigeon gibier_plume brie comte_vieux")
A("Lalande-de-Pomerol", "R", (16, 17), (5, 12), "cepes magret agneau_roti pigeon saint_nectaire")
A("Fronsac", "R", (16, 17), (5, 12), "cepes entrecote magret confit_canard tomme_pyrenees")
A("Canon-Fronsac", "R", (16, 17), (6, 15), "cepes agneau_roti civet_lievre magret ossau")
A("Montagne-Saint-Émilion", "R", (16, 17), (4, 10), "cepes magret entrecote poulet_roti tomme_pyrenees")
A("Lussac-Saint-Émilion", "R", (16, 17), (4, 10), "charcuterie magret agneau_roti lapin saint_nectaire")
A("Puisseguin-Saint-Émilion", "R", (16, 17), (4, 10), "cepes entrecote confit_canard tomme_pyrenees")
A("Saint-Georges-Saint-Émilion", "R", (16, 17), (4, 12), "cepes agneau_roti magret saint_nectaire")
A("Côtes de Bourg", "R", (16, 17), (3, 8), "charcuterie entrecote poulet_roti cepes tomme_pyrenees")
A("Blaye Côtes de Bordeaux", "R", (16, 17), (3, 8), "charcuterie entrecote lamproie magret tomme_pyrenees")
A("Blaye Côtes de Bordeaux", "B", (8, 10), (1, 3), "huitres crevettes poisson_grille chevre_frais")
A("Castillon Côtes de Bordeaux", "R", (16, 17), (4, 10), "cepes magret agneau_roti saint_nectaire")
A("Francs Côtes de Bordeaux", "R", (16, 17), (3, 8), "charcuterie entrecote poulet_roti tomme_pyrenees")
A("Cadillac Côtes de Bordeaux", "R", (16, 17), (3, 8), "charcuterie entrecote magret tomme_pyrenees")
A("Sauternes", "B", (8, 10), (10, 40), "foie_gras homard curry roquefort tarte_abricots creme_brulee fruits_exotiques")
A("Barsac", "B", (8, 10), (8, 30), "foie_gras curry roquefort tarte_abricots tarte_citron")
A("Loupiac", "B", (8, 10), (5, 15), "foie_gras roquefort tarte_pommes tarte_abricots")
A("Cadillac", "B", (8, 10), (4, 12), "foie_gras fourme tarte_tatin salade_fruits")
A("Sainte-Croix-du-Mont", "B", (8, 10), (5, 15), "foie_gras roquefort tarte_abricots pain_epices")
A("Cérons", "B", (8, 10), (5, 15), "foie_gras volaille_creme roquefort tarte_pommes")

region("Bourgogne")
A("Bourgogne", "R", (15, 16), (2, 6), "jambon_persille oeufs_meurette coq_au_vin poulet_roti lapin comte")
A("Bourgogne", "B", (10, 12), (1, 5), "jambon_persille escargots gougeres sandre volaille_creme comte")
A("Bourgogne", "P", (8, 10), (0, 2), "charcuterie salade_composee saucisses chevre_frais")
A("Bourgogne Aligoté", "B", (8, 10), (0, 3), "escargots gougeres jambon_persille huitres chevres")
A("Bourgogne Passe-Tout-Grains", "R", (13, 15), (1, 3), "charcuterie jambon_persille andouillette saucisses chevres")
A("Coteaux Bourguignons", "R", (14, 15), (1, 4), "charcuterie terrine poulet_roti saucisses comte")
A("Crémant de Bourgogne", "B", (6, 8), (0, 3), "gougeres huitres saumon_fume sole pain_epices tarte_pommes")
A("Crémant de Bourgogne", "P", (6, 8), (0, 2), "saumon_fume tarte_fruits_rouges soupe_fruits_rouges")
A("Hautes-Côtes de Nuits", "R", (15, 16), (3, 8), "jambon_persille oeufs_meurette coq_au_vin lapin comte")
A("Hautes-Côtes de Nuits", "B", (10, 12), (2, 5), "gougeres escargots sandre chevres")
A("Hautes-Côtes de Beaune", "R", (15, 16), (3, 7), "terrine coq_au_vin poulet_roti comte")
A("Hautes-Côtes de Beaune", "B", (10, 12), (2, 5), "jambon_persille quiche truite chevres")
A("Petit Chablis", "B", (8, 10), (0, 3), "huitres fruits_mer escargots poisson_grille chevre_frais")
A("Chablis", "B", (10, 11), (2, 8), "huitres fruits_mer escargots jambon_persille poisson_grille sole chaource")
A("Chablis Premier Cru", "B", (11, 12), (4, 12), "huitres coquilles langoustines sole volaille_creme chaource comte")
A("Chablis Grand Cru", "B", (12, 13), (6, 20), "coquilles langoustines homard turbot ris_veau volaille_creme comte_vieux")
A("Irancy", "R", (15, 16), (3, 8), "jambon_persille andouillette coq_au_vin boeuf_bourguignon langres comte")
A("Saint-Bris", "B", (8, 10), (0, 3), "huitres asperges salade_chevre poisson_grille chevre_frais")
A("Marsannay", "R", (15, 16), (3, 8), "jambon_persille oeufs_meurette coq_au_vin poulet_roti comte")
A("Marsannay", "B", (10, 12), (2, 6), "escargots sandre volaille_creme chevres")
A("Marsannay", "P", (10, 12), (0, 3), "charcuterie salade_composee saumon_grille chevre_frais")
A("Fixin", "R", (15, 16), (5, 12), "oeufs_meurette coq_au_vin boeuf_bourguignon civet_lievre epoisses comte")
A("Gevrey-Chambertin", "R", (16, 17), (6, 15), "oeufs_meurette boeuf_bourguignon coq_au_vin gibier_plume civet_lievre epoisses comte_vieux")
A("Chambertin", "R", (16, 17), (10, 30), "truffes civet_lievre gibier_plume filet_boeuf tournedos epoisses comte_vieux")
A("Morey-Saint-Denis", "R", (16, 17), (6, 15), "coq_au_vin pigeon gibier_plume boeuf_bourguignon epoisses comte")
A("Clos de la Roche", "R", (16, 17), (10, 25), "gibier_plume filet_boeuf civet_lievre epoisses comte_vieux")
A("Chambolle-Musigny", "R", (15, 16), (5, 15), "pigeon volaille_bresse cote_veau magret brie comte")
A("Musigny", "R", (16, 17), (10, 30), "truffes pigeon gibier_plume filet_boeuf brie comte_vieux")
A("Bonnes-Mares", "R", (16, 17), (10, 25), "gibier_plume civet_lievre filet_boeuf epoisses comte_vieux")
A("Clos de Vougeot", "R", (16, 17), (10, 25), "filet_boeuf gibier_plume coq_au_vin civet_lievre epoisses comte_vieux")
A("Vougeot", "R", (15, 16), (5, 12), "coq_au_vin pigeon volaille_bresse comte")
A("Échezeaux", "R", (16, 17), (8, 25), "pigeon gibier_plume filet_boeuf truffes epoisses comte_vieux")
A("Grands-Échezeaux", "R", (16, 17), (10, 25), "truffes pigeon gibier_plume filet_boeuf epoisses comte_vieux")
A("Vosne-Romanée", "R", (16, 17), (6, 18), "oeufs_meurette pigeon magret filet_boeuf gibier_plume epoisses comte")
A("Richebourg", "R", (16, 17), (10, 30), "truffes gibier_plume civet_lievre filet_boeuf epoisses comte_vieux")
A("Romanée-Saint-Vivant", "R", (16, 17), (10, 30), "truffes pigeon gibier_plume ris_veau brie comte_vieux")
A("La Tâche", "R", (16, 17), (10, 30), "truffes gibier_plume pigeon filet_boeuf epoisses comte_vieux")
A("Romanée-Conti", "R", (16, 17), (15, 40), "truffes gibier_plume pigeon tournedos comte_vieux")
A("Nuits-Saint-Georges", "R", (16, 17), (6, 15), "oeufs_meurette boeuf_bourguignon coq_au_vin civet_lievre gibier_plume epoisses comte_vieux")
A("Nuits-Saint-Georges", "B", (11, 13), (4, 10), "escargots sandre volaille_creme comte")
A("Côte de Nuits-Villages", "R", (15, 16), (3, 8), "jambon_persille oeufs_meurette coq_au_vin epoisses comte")
A("Ladoix", "R", (15, 16), (4, 10), "terrine coq_au_vin poulet_roti lapin comte")
A("Aloxe-Corton", "R", (16, 17), (5, 15), "boeuf_bourguignon gibier_plume magret epoisses comte")
A("Corton", "R", (16, 17), (8, 20), "filet_boeuf gibier_plume civet_lievre chevreuil epoisses comte_vieux")
A("Corton-Charlemagne", "B", (12, 14), (8, 20), "foie_gras_poele homard turbot ris_veau volaille_bresse comte_vieux")
A("Pernand-Vergelesses", "R", (15, 16), (4, 10), "coq_au_vin poulet_roti lapin comte")
A("Pernand-Vergelesses", "B", (11, 13), (3, 8), "escargots sandre volaille_creme comte")
A("Savigny-lès-Beaune", "R", (15, 16), (4, 10), "jambon_persille oeufs_meurette coq_au_vin poulet_roti epoisses comte")
A("Savigny-lès-Beaune", "B", (11, 12), (3, 7), "escargots sandre quenelles chevres")
A("Chorey-lès-Beaune", "R", (14, 16), (2, 6), "charcuterie jambon_persille poulet_roti lapin comte")
A("Beaune", "R", (15, 16), (5, 12), "oeufs_meurette boeuf_bourguignon coq_au_vin volaille_bresse epoisses comte")
A("Beaune", "B", (11, 13), (3, 8), "escargots gougeres sandre volaille_creme comte")
A("Pommard", "R", (16, 17), (6, 15), "boeuf_bourguignon civet_lievre chevreuil cote_boeuf epoisses comte_vieux")
A("Volnay", "R", (15, 16), (5, 12), "pigeon volaille_bresse cote_veau lapin brie comte")
A("Monthélie", "R", (15, 16), (4, 10), "coq_au_vin lapin poulet_roti comte")
A("Auxey-Duresses", "R", (15, 16), (4, 10), "oeufs_meurette coq_au_vin lapin comte")
A("Auxey-Duresses", "B", (11, 12), (3, 8), "escargots sandre volaille_creme chevres")
A("Saint-Romain", "B", (11, 12), (3, 8), "gougeres truite volaille_creme chevres")
A("Meursault", "B", (12, 13), (5, 15), "gougeres foie_gras_poele homard turbot volaille_creme ris_veau comte_vieux")
A("Puligny-Montrachet", "B", (12, 13), (5, 15), "coquilles langoustines turbot sole volaille_creme comte")
A("Chassagne-Montrachet", "B", (12, 13), (5, 15), "coquilles homard bar_fenouil volaille_creme comte")
A("Chassagne-Montrachet", "R", (15, 16), (5, 12), "coq_au_vin pigeon magret comte")
A("Montrachet", "B", (13, 14), (10, 30), "caviar foie_gras_poele homard turbot ris_veau volaille_bresse comte_vieux")
A("Bâtard-Montrachet", "B", (13, 14), (8, 25), "coquilles foie_gras_poele homard turbot ris_veau comte_vieux")
A("Saint-Aubin", "B", (11, 12), (3, 8), "coquilles sandre volaille_creme comte")
A("Santenay", "R", (15, 16), (4, 10), "boeuf_bourguignon coq_au_vin lapin epoisses comte")
A("Santenay", "B", (11, 12), (3, 7), "escargots poisson_grille volaille_creme chevres")
A("Maranges", "R", (15, 16), (3, 8), "charcuterie coq_au_vin boeuf_bourguignon comte")
A("Côte de Beaune-Villages", "R", (15, 16), (3, 8), "jambon_persille poulet_roti coq_au_vin comte")
A("Bouzeron", "B", (8, 10), (1, 4), "escargots gougeres poisson_grille chevres")
A("Rully", "B", (10, 12), (2, 6), "escargots sandre volaille_creme chevres")
A("Rully", "R", (14, 16), (2, 6), "jambon_persille poulet_roti lapin comte")
A("Mercurey", "R", (15, 16), (3, 8), "oeufs_meurette coq_au_vin boeuf_bourguignon epoisses comte")
A("Mercurey", "B", (10, 12), (2, 6), "escargots poisson_grille volaille_creme chevres")
A("Givry", "R", (15, 16), (3, 8), "jambon_persille poulet_roti coq_au_vin comte")
A("Givry", "B", (10, 12), (2, 5), "gougeres poisson_grille chevres")
A("Montagny", "B", (10, 12), (2, 6), "escargots truite volaille_creme chevres")
A("Mâcon", "R", (14, 15), (1, 4), "charcuterie andouillette poulet_roti saucisses chevres")
A("Mâcon-Villages", "B", (8, 10), (1, 4), "salade_chevre quenelles poisson_grille poulet_roti chevres")
A("Viré-Clessé", "B", (10, 12), (2, 6), "quenelles sandre volaille_creme chevres")
A("Saint-Véran", "B", (10, 12), (2, 6), "escargots poisson_grille volaille_creme chevres")
A("Pouilly-Fuissé", "B", (11, 13), (3, 10), "coquilles quenelles sandre volaille_bresse chevres comte")
A("Pouilly-Vinzelles", "B", (10, 12), (2, 6), "quenelles poisson_grille poulet_roti chevres")

region("Champagne")
A("Champagne", "B", (8, 10), (1, 5), "gougeres huitres saumon_fume coquilles sole chaource langres biscuits_roses")
A("Champagne", "P", (8, 10), (1, 4), "saumon_fume carpaccio magret chaource tarte_fruits_rouges soupe_fruits_rouges biscuits_roses")
A("Champagne Blanc de Blancs", "B", (8, 10), (2, 8), "huitres caviar coquilles langoustines sole chaource")
A("Champagne Millésimé", "B", (10, 12), (5, 15), "foie_gras coquilles homard volaille_creme truffes comte_vieux")
A("Champagne Demi-Sec", "B", (6, 8), (0, 3), "foie_gras tarte_fruits_rouges biscuits_roses salade_fruits fruits_exotiques")
A("Coteaux Champenois", "R", (12, 14), (2, 6), "charcuterie jambon_persille poulet_roti pigeon langres")
A("Coteaux Champenois", "B", (10, 12), (2, 6), "saumon_fume sandre volaille_creme chaource")
A("Rosé des Riceys", "P", (12, 14), (2, 8), "charcuterie andouillette poulet_roti chaource")

region("Corse")
A("Patrimonio", "R", (16, 18), (4, 12), "charcut_corse sanglier cabri agneau_roti tomme_corse")
A("Patrimonio", "B", (10, 12), (2, 6), "soupe_poisson langoustines poisson_grille brocciu")
A("Patrimonio", "P", (8, 10), (0, 2), "charcut_corse salade_composee poisson_grille brocciu")
A("Ajaccio", "R", (16, 17), (3, 8), "charcut_corse cabri sanglier agneau_roti tomme_corse")
A("Ajaccio", "B", (10, 12), (1, 4), "soupe_poisson sardines poisson_grille brocciu")
A("Ajaccio", "P", (8, 10), (0, 2), "salade_composee charcut_corse barbecue brocciu")
A("Vin de Corse", "R", (15, 17), (2, 5), "charcut_corse barbecue lasagnes tomme_corse")
A("Vin de Corse", "B", (8, 10), (0, 3), "fruits_mer sardines poisson_grille brocciu")
A("Vin de Corse", "P", (8, 10), (0, 2), "salade_composee pizza barbecue brocciu")
A("Muscat du Cap Corse", "B", (8, 10), (1, 5), "melon foie_gras brocciu fiadone nougat_glace")

region("Jura/Savoie")
A("Arbois", "R", (15, 16), (3, 10), "terrine saucisse_morteau poulet_roti volaille_bresse comte morbier")
A("Arbois", "B", (12, 14), (3, 12), "croute_morilles escargots truite volaille_creme comte")
A("Arbois", "P", (13, 14), (1, 4), "charcuterie saucisse_morteau poulet_roti comte")
A("Arbois Vin Jaune", "B", (14, 16), (10, 50), "croute_morilles poulet_vin_jaune homard curry comte_vieux fruits_secs")
A("Côtes du Jura", "R", (14, 16), (3, 8), "charcuterie saucisse_morteau poulet_roti comte morbier")
A("Côtes du Jura", "B", (12, 13), (3, 10), "croute_morilles truite volaille_creme comte")
A("Côtes du Jura Vin de Paille", "B", (8, 10), (10, 50), "foie_gras bleu_gex tarte_noix fruits_secs")
A("Château-Chalon", "B", (14, 16), (15, 60), "croute_morilles poulet_vin_jaune homard comte_vieux fruits_secs")
A("L'Étoile", "B", (12, 13), (3, 10), "escargots truite volaille_creme comte")
A("Crémant du Jura", "B", (6, 8), (0, 3), "gougeres truite comte tarte_pommes")
A("Macvin du Jura", "B", (8, 10), (5, 20), "melon foie_gras bleu_gex tarte_noix fruits_secs")
A("Vin de Savoie", "R", (14, 16), (2, 5), "charcuterie diots tartiflette reblochon tomme_savoie")
A("Vin de Savoie", "B", (8, 10), (0, 3), "filets_perche fondue raclette tomme_savoie beaufort")
A("Vin de Savoie", "P", (8, 10), (0, 2), "charcuterie salade_composee raclette tomme_savoie")
A("Vin de Savoie Mondeuse", "R", (15, 16), (3, 10), "diots chevreuil civet_lievre tartiflette beaufort reblochon")
A("Roussette de Savoie", "B", (10, 12), (2, 6), "filets_perche truite volaille_creme beaufort")
A("Chignin-Bergeron", "B", (10, 12), (3, 8), "ecrevisses filets_perche volaille_creme beaufort comte")
A("Apremont", "B", (8, 10), (0, 3), "fondue raclette filets_perche tomme_savoie")
A("Crépy", "B", (8, 10), (0, 3), "filets_perche truite fondue chevre_frais")
A("Seyssel", "B", (8, 10), (0, 3), "filets_perche truite tomme_savoie")
A("Bugey", "R", (14, 16), (2, 5), "charcuterie volaille_bresse quenelles comte tomme_savoie")
A("Bugey", "B", (8, 10), (1, 3), "truite quenelles volaille_creme comte")
A("Bugey Cerdon", "P", (6, 8), (0, 2), "charcuterie tarte_pralines tarte_fruits_rouges salade_fruits")

region("Languedoc/Roussillon")
A("Languedoc", "R", (15, 17), (2, 6), "charcuterie cassoulet barbecue daube tomme_brebis pelardon")
A("Languedoc", "B", (8, 10), (0, 3), "huitres fruits_mer brandade poisson_grille pelardon")
A("Languedoc", "P", (8, 10), (0, 1), "salade_composee tapenade barbecue paella")
A("Corbières", "R", (16, 17), (3, 8), "cassoulet confit_canard agneau_roti barbecue tomme_brebis")
A("Corbières", "B", (10, 12), (1, 4), "poisson_grille bouillabaisse brandade chevres")
A("Corbières", "P", (8, 10), (0, 2), "salade_composee barbecue paella chevre_frais")
A("Minervois", "R", (16, 17), (3, 8), "cassoulet magret agneau_roti sanglier tomme_brebis")
A("Minervois", "B", (10, 12), (1, 3), "poisson_grille brandade pelardon")
A("Minervois", "P", (8, 10), (0, 2), "salade_composee tapenade barbecue")
A("Minervois-La Livinière", "R", (16, 18), (5, 12), "sanglier agneau_roti magret gibier_plume tomme_brebis")
A("Saint-Chinian", "R", (16, 17), (3, 10), "agneau_roti cassoulet barbecue pelardon")
A("Saint-Chinian", "B", (10, 12), (1, 4), "poisson_grille brandade pelardon")
A("Saint-Chinian", "P", (8, 10), (0, 2), "salade_composee tapenade barbecue")
A("Faugères", "R", (16, 17), (4, 10), "sanglier agneau_roti magret tomme_brebis")
A("Faugères", "B", (10, 12), (1, 4), "poisson_grille volaille_creme pelardon")
A("Faugères", "P", (8, 10), (0, 2), "charcuterie salade_composee barbecue")
A("Fitou", "R", (16, 17), (4, 10), "cassoulet sanglier confit_canard tomme_brebis")
A("Pic Saint-Loup", "R", (16, 17), (4, 10), "agneau_roti gibier_plume sanglier daube pelardon tomme_brebis")
A("Pic Saint-Loup", "P", (8, 10), (0, 2), "salade_composee tapenade barbecue poisson_grille")
A("Terrasses du Larzac", "R", (16, 17), (4, 12), "agneau_roti chevreuil sanglier tomme_brebis")
A("Picpoul de Pinet", "B", (8, 10), (0, 2), "huitres moules tielle poisson_grille")
A("La Clape", "R", (16, 17), (4, 10), "agneau_roti daube sanglier tomme_brebis")
A("La Clape", "B", (10, 12), (2, 6), "fruits_mer poisson_grille bouillabaisse chevres")
A("Limoux", "B", (11, 12), (2, 6), "saumon_fume poisson_grille volaille_creme chevres")
A("Crémant de Limoux", "B", (6, 8), (0, 3), "huitres saumon_fume tarte_pommes salade_fruits")
A("Crémant de Limoux", "P", (6, 8), (0, 2), "saumon_fume tarte_fruits_rouges salade_fruits")
A("Blanquette de Limoux", "B", (6, 8), (0, 3), "saumon_fume tarte_pommes creme_catalane")
A("Cabardès", "R", (16, 17), (3, 8), "cassoulet magret barbecue tomme_brebis")
A("Malepère", "R", (16, 17), (3, 8), "cassoulet confit_canard barbecue tomme_pyrenees")
A("Clairette du Languedoc", "B", (8, 10), (1, 4), "poisson_grille brandade chevre_frais")
A("Muscat de Frontignan", "B", (8, 10), (1, 5), "melon foie_gras roquefort tarte_abricots nougat_glace")
A("Côtes du Roussillon", "R", (15, 17), (2, 6), "charcuterie boles_picolat barbecue tomme_brebis")
A("Côtes du Roussillon", "B", (8, 10), (0, 3), "anchois fruits_mer poisson_grille chevre_frais")
A("Côtes du Roussillon", "P", (8, 10), (0, 1), "salade_composee tapas barbecue paella")
A("Côtes du Roussillon Villages", "R", (16, 17), (3, 10), "boles_picolat agneau_roti sanglier tomme_brebis")
A("Collioure", "R", (16, 17), (3, 10), "boles_picolat agneau_roti barbecue tomme_brebis")
A("Collioure", "B", (10, 12), (1, 5), "anchois poisson_grille bouillabaisse chevres")
A("Collioure", "P", (10, 12), (0, 2), "anchois paella barbecue poisson_grille")
A("Banyuls", "R", (14, 16), (5, 30), "foie_gras magret roquefort chocolat fruits_secs")
A("Banyuls Grand Cru", "R", (14, 16), (10, 40), "foie_gras roquefort chocolat tarte_noix fruits_secs")
A("Maury", "R", (14, 16), (5, 30), "foie_gras roquefort chocolat fruits_secs")
A("Rivesaltes", "R", (14, 16), (5, 30), "roquefort chocolat tarte_noix fruits_secs")
A("Rivesaltes", "B", (12, 14), (5, 30), "foie_gras roquefort tarte_noix creme_catalane fruits_secs")
A("Muscat de Rivesaltes", "B", (8, 10), (1, 4), "melon roquefort creme_catalane salade_fruits tarte_abricots")

region("Pays de Loire")
A("Muscadet Sèvre et Maine", "B", (8, 10), (0, 3), "huitres fruits_mer moules sandre cure_nantais")
A("Gros Plant du Pays Nantais", "B", (8, 9), (0, 2), "huitres moules friture cure_nantais")
A("Anjou", "R", (15, 16), (2, 5), "rillons charcuterie poulet_roti andouillette chevres")
A("Anjou", "B", (10, 12), (2, 8), "rillons sandre volaille_creme chevres")
A("Rosé d'Anjou", "P", (8, 10), (0, 2), "melon salade_composee cuisine_asiatique salade_fruits")
A("Cabernet d'Anjou", "P", (8, 10), (0, 3), "melon charcuterie cuisine_asiatique tarte_fruits_rouges")
A("Anjou-Villages", "R", (15, 16), (4, 10), "rillons magret agneau_roti lapin chevres")
A("Savennières", "B", (12, 13), (5, 20), "sandre homard volaille_creme ris_veau sainte_maure comte")
A("Coteaux du Layon", "B", (8, 10), (5, 20), "foie_gras roquefort tarte_tatin fruits_exotiques")
A("Bonnezeaux", "B", (8, 10), (8, 30), "foie_gras roquefort tarte_tatin tarte_abricots")
A("Quarts de Chaume", "B", (8, 10), (10, 40), "foie_gras roquefort tarte_tatin fruits_exotiques")
A("Coteaux de l'Aubance", "B", (8, 10), (4, 15), "foie_gras curry fourme tarte_pommes")
A("Saumur", "R", (15, 16), (2, 6), "rillons rillettes poulet_roti lapin chevres")
A("Saumur", "B", (10, 12), (2, 8), "sandre truite volaille_creme chevres")
A("Saumur-Champigny", "R", (14, 16), (2, 8), "rillettes rillons lapin cote_veau sainte_maure")
A("Crémant de Loire", "B", (6, 8), (0, 3), "huitres saumon_fume sandre tarte_tatin")
A("Crémant de Loire", "P", (6, 8), (0, 2), "saumon_fume tarte_fruits_rouges soupe_fruits_rouges")
A("Chinon", "R", (15, 16), (3, 10), "rillons andouillette agneau_roti lapin cote_veau sainte_maure")
A("Chinon", "B", (10, 12), (2, 6), "rillons sandre volaille_creme sainte_maure")
A("Chinon", "P", (8, 10), (0, 2), "charcuterie salade_composee barbecue chevre_frais")
A("Bourgueil", "R", (15, 16), (3, 10), "rillettes rillons lapin magret gibier_plume sainte_maure")
A("Bourgueil", "P", (8, 10), (0, 2), "charcuterie salade_composee saucisses")
A("Saint-Nicolas-de-Bourgueil", "R", (14, 16), (2, 8), "rillettes charcuterie lapin poulet_roti chevres")
A("Vouvray", "B", (10, 12), (3, 30), "rillons foie_gras sandre volaille_creme sainte_maure tarte_tatin")
A("Montlouis-sur-Loire", "B", (10, 12), (3, 15), "rillettes sandre volaille_creme sainte_maure tarte_tatin")
A("Touraine", "R", (14, 16), (1, 4), "charcuterie rillettes andouillette poulet_roti selles")
A("Touraine", "B", (8, 10), (0, 3), "asperges salade_chevre poisson_grille selles sainte_maure")
A("Touraine", "P", (8, 10), (0, 2), "salade_composee charcuterie barbecue chevre_frais")
A("Cheverny", "R", (14, 15), (1, 4), "charcuterie poulet_roti gibier_plume selles")
A("Cheverny", "B", (8, 10), (0, 3), "asperges salade_chevre poisson_grille selles")
A("Jasnières", "B", (10, 12), (5, 20), "rillettes sandre volaille_creme chevres")
A("Sancerre", "B", (8, 10), (1, 5), "salade_chevre asperges sandre poisson_grille crottin")
A("Sancerre", "R", (14, 16), (2, 8), "terrine saumon_grille poulet_roti lapin comte")
A("Sancerre", "P", (8, 10), (0, 2), "salade_composee charcuterie barbecue crottin")
A("Pouilly-Fumé", "B", (8, 10), (2, 8), "asperges saumon_fume sandre poisson_grille crottin")
A("Menetou-Salon", "B", (8, 10), (1, 4), "salade_chevre poisson_grille crottin")
A("Menetou-Salon", "R", (14, 16), (2, 6), "charcuterie poulet_roti lapin chevres")
A("Quincy", "B", (8, 10), (0, 3), "huitres salade_chevre poisson_grille crottin")
A("Reuilly", "B", (8, 10), (0, 3), "salade_chevre asperges poisson_grille chevres")
A("Reuilly", "R", (14, 16), (1, 4), "charcuterie poulet_roti lapin chevres")

region("Provence")
A("Côtes de Provence", "R", (16, 17), (2, 6), "tapenade daube barbecue agneau_roti banon")
A("Côtes de Provence", "B", (8, 10), (0, 3), "soupe_poisson poisson_grille aioli banon")
A("Côtes de Provence", "P", (8, 10), (0, 2), "salade_nicoise pissaladiere tapenade poisson_grille barbecue cuisine_asiatique")
A("Bandol", "R", (16, 18), (8, 20), "daube agneau_roti sanglier gibier_plume tomme_brebis")
A("Bandol", "B", (10, 12), (2, 6), "bouillabaisse bar_fenouil poisson_grille banon")
A("Bandol", "P", (10, 12), (1, 4), "pissaladiere bouillabaisse aioli poisson_grille")
A("Cassis", "B", (10, 12), (1, 4), "oursins soupe_poisson bouillabaisse bar_fenouil banon")
A("Bellet", "R", (16, 17), (3, 8), "daube agneau_roti lapin tomme_brebis")
A("Bellet", "B", (10, 12), (2, 5), "salade_nicoise poisson_grille soupe_poisson chevres")
A("Palette", "R", (16, 17), (5, 15), "daube gibier_plume agneau_roti tomme_brebis")
A("Palette", "B", (10, 12), (3, 10), "bouillabaisse poisson_grille volaille_creme chevres")
A("Coteaux d'Aix-en-Provence", "R", (16, 17), (2, 6), "daube barbecue agneau_roti banon")
A("Coteaux d'Aix-en-Provence", "B", (8, 10), (0, 3), "aioli poisson_grille chevre_frais")
A("Coteaux d'Aix-en-Provence", "P", (8, 10), (0, 2), "salade_nicoise tapenade barbecue")
A("Coteaux Varois en Provence", "R", (16, 17), (2, 6), "daube barbecue agneau_roti tomme_brebis")
A("Coteaux Varois en Provence", "P", (8, 10), (0, 2), "salade_composee pissaladiere barbecue poisson_grille")
A("Les Baux-de-Provence", "R", (16, 17), (4, 10), "agneau_roti daube gardiane banon")
A("Les Baux-de-Provence", "P", (8, 10), (0, 2), "salade_composee tapenade barbecue")

region("Rhône")
A("Côte-Rôtie", "R", (16, 17), (8, 20), "gibier_plume civet_lievre carre_agneau filet_boeuf saint_marcellin")
A("Condrieu", "B", (10, 12), (1, 5), "asperges ecrevisses quenelles cuisine_asiatique rigotte")
A("Château-Grillet", "B", (12, 13), (5, 15), "ecrevisses homard volaille_creme rigotte")
A("Saint-Joseph", "R", (15, 17), (3, 10), "terrine agneau_roti cote_boeuf picodon")
A("Saint-Joseph", "B", (10, 12), (2, 6), "sandre volaille_creme quenelles picodon")
A("Crozes-Hermitage", "R", (15, 17), (3, 8), "charcuterie entrecote agneau_roti lapin picodon saint_marcellin")
A("Crozes-Hermitage", "B", (10, 12), (1, 5), "poisson_grille volaille_creme quenelles picodon")
A("Hermitage", "R", (17, 18), (10, 30), "chevreuil civet_lievre cote_boeuf carre_agneau comte_vieux")
A("Hermitage", "B", (12, 14), (8, 30), "foie_gras_poele homard volaille_bresse ris_veau comte_vieux")
A("Cornas", "R", (16, 18), (8, 20), "sanglier civet_lievre cote_boeuf agneau_roti picodon")
A("Saint-Péray", "B", (10, 12), (1, 5), "truite quenelles poisson_grille picodon")
A("Côtes du Rhône", "R", (15, 16), (1, 5), "charcuterie saucisses barbecue daube picodon")
A("Côtes du Rhône", "B", (8, 10), (0, 3), "salade_composee poisson_grille aioli picodon")
A("Côtes du Rhône", "P", (8, 10), (0, 2), "salade_composee pissaladiere barbecue picodon")
A("Côtes du Rhône Villages", "R", (16, 17), (3, 8), "daube agneau_roti magret barbecue picodon tomme_brebis")
A("Côtes du Rhône Villages", "B", (10, 12), (1, 4), "poisson_grille volaille_creme picodon")
A("Châteauneuf-du-Pape", "R", (16, 18), (6, 20), "truffes daube sanglier agneau_roti gibier_plume tomme_brebis")
A("Châteauneuf-du-Pape", "B", (11, 13), (2, 10), "truffes bar_fenouil homard volaille_creme picodon")
A("Gigondas", "R", (16, 18), (5, 15), "sanglier civet_lievre daube agneau_roti tomme_brebis")
A("Vacqueyras", "R", (16, 17), (4, 12), "daube agneau_roti barbecue banon")
A("Vacqueyras", "B", (10, 12), (1, 4), "tapenade poisson_grille chevres")
A("Rasteau", "R", (16, 17), (4, 12), "daube sanglier agneau_roti picodon")
A("Cairanne", "R", (16, 17), (4, 10), "agneau_roti daube barbecue picodon")
A("Vinsobres", "R", (16, 17), (3, 10), "agneau_roti barbecue daube picodon")
A("Lirac", "R", (16, 17), (3, 10), "agneau_roti daube gardiane tomme_brebis")
A("Lirac", "B", (10, 12), (1, 4), "poisson_grille aioli chevres")
A("Lirac", "P", (10, 12), (0, 2), "salade_composee barbecue paella")
A("Tavel", "P", (10, 12), (1, 4), "charcuterie bouillabaisse paella tajine cuisine_asiatique picodon")
A("Beaumes-de-Venise", "R", (16, 17), (3, 10), "agneau_roti daube barbecue picodon")
A("Muscat de Beaumes-de-Venise", "B", (8, 10), (1, 5), "melon foie_gras roquefort nougat_glace salade_fruits")
A("Ventoux", "R", (15, 16), (1, 4), "charcuterie barbecue pizza picodon")
A("Ventoux", "P", (8, 10), (0, 1), "salade_composee tapenade barbecue")
A("Luberon", "R", (15, 16), (2, 5), "daube barbecue agneau_roti banon")
A("Luberon", "B", (8, 10), (0, 3), "poisson_grille aioli banon")
A("Luberon", "P", (8, 10), (0, 2), "salade_composee tapenade barbecue")
A("Costières de Nîmes", "R", (16, 17), (2, 6), "gardiane agneau_roti barbecue pelardon")
A("Costières de Nîmes", "B", (8, 10), (0, 3), "brandade poisson_grille pelardon")
A("Costières de Nîmes", "P", (8, 10), (0, 2), "salade_composee brandade barbecue")
A("Clairette de Die", "B", (6, 8), (0, 2), "picodon pogne tarte_abricots salade_fruits")

region("Sud Ouest")
A("Cahors", "R", (16, 18), (5, 20), "cepes truffes magret confit_canard cassoulet rocamadour cantal")
A("Madiran", "R", (16, 18), (6, 20), "garbure confit_canard magret cassoulet ossau tomme_pyrenees")
A("Pacherenc du Vic-Bilh", "B", (8, 10), (3, 10), "foie_gras roquefort croustade tarte_pommes")
A("Jurançon", "B", (8, 10), (5, 20), "foie_gras poulet_roti ossau gateau_basque tarte_abricots")
A("Jurançon Sec", "B", (10, 12), (2, 6), "piperade truite poisson_grille ossau chevres")
A("Irouléguy", "R", (16, 17), (4, 12), "jambon_cru axoa agneau_roti ossau")
A("Irouléguy", "P", (8, 10), (0, 2), "piperade jambon_cru barbecue ossau")
A("Gaillac", "R", (15, 16), (2, 6), "charcuterie saucisse_toulouse confit_canard cabecou")
A("Gaillac", "B", (8, 10), (1, 4), "salade_chevre poisson_grille poulet_roti cabecou")
A("Gaillac", "P", (8, 10), (0, 2), "salade_composee charcuterie barbecue")
A("Fronton", "R", (15, 16), (1, 4), "saucisse_toulouse cassoulet barbecue tomme_pyrenees")
A("Fronton", "P", (8, 10), (0, 1), "salade_composee charcuterie barbecue")
A("Bergerac", "R", (15, 17), (2, 6), "cepes magret confit_canard rocamadour")
A("Bergerac", "B", (8, 10), (0, 3), "salade_chevre truite poisson_grille rocamadour")
A("Bergerac", "P", (8, 10), (0, 1), "salade_composee charcuterie barbecue")
A("Pécharmant", "R", (16, 17), (5, 12), "cepes truffes magret confit_canard cantal")
A("Monbazillac", "B", (8, 10), (5, 20), "foie_gras roquefort tarte_pommes tarte_abricots")
A("Côtes de Duras", "R", (15, 16), (2, 6), "charcuterie magret barbecue tomme_pyrenees")
A("Côtes de Duras", "B", (8, 10), (0, 3), "fruits_mer poisson_grille chevre_frais")
A("Buzet", "R", (16, 17), (3, 8), "magret confit_canard entrecote tomme_pyrenees")
A("Marcillac", "R", (14, 16), (2, 5), "charcuterie tripoux aligot laguiole")
A("Côtes de Gascogne", "B", (8, 10), (0, 2), "salade_composee crevettes poisson_grille chevre_frais")

region("Italie")
A("Barolo", "R", (17, 18), (10, 25), "tajarin brasato chevreuil civet_lievre parmesan castelmagno")
A("Barbaresco", "R", (16, 18), (8, 20), "tajarin brasato pigeon gibier_plume parmesan")
A("Barbera d'Alba", "R", (15, 16), (2, 6), "charcuterie pates_bolo lasagnes lapin parmesan")
A("Barbera d'Asti", "R", (15, 16), (2, 6), "charcuterie pates_bolo bollito parmesan")
A("Dolcetto d'Alba", "R", (14, 16), (1, 3), "antipasti vitello_tonnato pizza pates_bolo parmesan")
A("Gavi", "B", (8, 10), (1, 4), "vitello_tonnato pates_pesto poisson_grille chevre_frais")
A("Moscato d'Asti", "B", (6, 8), (0, 2), "gorgonzola panettone salade_fruits tarte_fruits_rouges")
A("Roero Arneis", "B", (8, 10), (0, 3), "antipasti vitello_tonnato poisson_grille chevre_frais")
A("Amarone della Valpolicella", "R", (17, 18), (8, 25), "brasato chevreuil civet_lievre parmesan gorgonzola")
A("Valpolicella", "R", (14, 16), (1, 4), "antipasti charcuterie pates_bolo pizza lasagnes")
A("Soave", "B", (8, 10), (1, 4), "antipasti asperges friture poisson_grille chevre_frais")
A("Prosecco", "B", (6, 8), (0, 2), "antipasti jambon_cru friture salade_fruits")
A("Franciacorta", "B", (6, 8), (1, 5), "antipasti jambon_cru saumon_fume risotto_champignons parmesan")
A("Chianti", "R", (15, 16), (1, 5), "antipasti pizza pates_bolo lasagnes pecorino")
A("Chianti Classico", "R", (16, 17), (3, 10), "antipasti bistecca pappardelle saucisses pecorino parmesan")
A("Brunello di Montalcino", "R", (17, 18), (10, 25), "bistecca pappardelle sanglier agneau_roti pecorino parmesan")
A("Rosso di Montalcino", "R", (16, 17), (2, 6), "pappardelle lasagnes saucisses pecorino")
A("Vino Nobile di Montepulciano", "R", (16, 18), (5, 15), "bistecca pappardelle agneau_roti pecorino")
A("Bolgheri", "R", (17, 18), (6, 20), "bistecca cote_boeuf agneau_roti sanglier pecorino parmesan")
A("Vernaccia di San Gimignano", "B", (8, 10), (1, 4), "antipasti friture pates_pesto poisson_grille pecorino")
A("Montepulciano d'Abruzzo", "R", (15, 16), (1, 5), "brochettes_agneau pizza pates_bolo pecorino")
A("Taurasi", "R", (16, 18), (8, 20), "agneau_roti sanglier civet_lievre pecorino parmesan")
A("Fiano di Avellino", "B", (10, 12), (2, 6), "fruits_mer pates_fruits_mer poisson_grille mozzarella")
A("Greco di Tufo", "B", (10, 12), (1, 5), "fruits_mer pates_fruits_mer poisson_grille mozzarella")
A("Primitivo di Manduria", "R", (16, 17), (2, 8), "barbecue ribs pates_bolo lasagnes pecorino")
A("Etna", "R", (15, 17), (3, 10), "thon agneau_roti pates_bolo pecorino")
A("Etna", "B", (10, 12), (2, 6), "fruits_mer pates_fruits_mer poisson_grille mozzarella")
A("Marsala", "B", (12, 14), (5, 30), "parmesan gorgonzola cantucci fruits_secs tiramisu")
A("Vin Santo del Chianti", "B", (12, 14), (5, 20), "foie_gras pecorino cantucci fruits_secs tarte_noix")
A("Collio", "B", (10, 12), (2, 6), "jambon_cru asperges risotto_champignons poisson_grille chevre_frais")
A("Lambrusco di Sorbara", "R", (12, 14), (0, 2), "charcuterie lasagnes pates_bolo pizza parmesan")

region("Espagne")
A("Rioja", "R", (16, 18), (3, 15), "jamon chorizo cordero cote_boeuf manchego idiazabal")
A("Rioja", "B", (10, 12), (1, 8), "tapas poisson_grille morue manchego")
A("Rioja", "P", (8, 10), (0, 2), "tapas chorizo paella barbecue")
A("Ribera del Duero", "R", (16, 18), (5, 20), "jamon cordero cochon_lait cote_boeuf manchego")
A("Priorat", "R", (16, 18), (6, 20), "agneau_roti sanglier cote_boeuf manchego")
A("Toro", "R", (16, 18), (5, 15), "chorizo cordero cote_boeuf manchego")
A("Rías Baixas", "B", (8, 10), (0, 3), "poulpe fruits_mer coquilles poisson_grille tetilla")
A("Rueda", "B", (8, 10), (0, 2), "tapas calamars poisson_grille chevre_frais")
A("Manzanilla", "B", (7, 9), (0, 1), "tapas jamon olives_amandes friture crevettes poisson_grille")
A("Jerez Fino", "B", (7, 9), (0, 1), "tapas jamon olives_amandes sushi crevettes manchego")
A("Jerez Oloroso", "B", (12, 14), (5, 30), "consomme jamon cepes manchego comte_vieux fruits_secs")
A("Jerez Pedro Ximénez", "B", (12, 14), (5, 30), "roquefort glace_vanille chocolat fruits_secs")
A("Cava", "B", (6, 8), (0, 3), "tapas fruits_mer saumon_fume creme_catalane")
A("Cava", "P", (6, 8), (0, 2), "tapas saumon_fume tarte_fruits_rouges")
A("Navarra", "R", (16, 17), (2, 8), "chorizo agneau_roti barbecue idiazabal")
A("Navarra", "P", (8, 10), (0, 2), "tapas piperade paella barbecue")
A("Penedès", "B", (8, 10), (0, 3), "tapas fruits_mer paella poisson_grille chevre_frais")
A("Bierzo", "R", (15, 17), (2, 8), "chorizo poulpe agneau_roti manchego")
A("Jumilla", "R", (16, 17), (2, 6), "chorizo barbecue agneau_roti manchego")
A("Montsant", "R", (16, 17), (3, 10), "barbecue agneau_roti saucisses manchego")

region("Portugal")
A("Porto Vintage", "R", (16, 18), (15, 50), "stilton roquefort chocolat fruits_secs tarte_noix")
A("Porto LBV", "R", (16, 17), (2, 10), "stilton chocolat tarte_fruits_rouges")
A("Porto Tawny", "R", (12, 14), READY, "foie_gras comte_vieux tarte_noix creme_brulee fruits_secs pastel_nata")
A("Porto Ruby", "R", (14, 16), (0, 3), "roquefort chocolat tarte_fruits_rouges")
A("Porto Branco", "B", (8, 10), (0, 2), "olives_amandes melon fruits_secs salade_fruits")
A("Douro", "R", (16, 17), (3, 12), "cabri cochon_lait cote_boeuf agneau_roti serra")
A("Douro", "B", (10, 12), (1, 5), "morue poisson_grille sardines serra")
A("Vinho Verde", "B", (8, 10), (0, 1), "sardines fruits_mer crevettes poisson_grille chevre_frais")
A("Dão", "R", (16, 17), (3, 10), "cabri agneau_roti porc_roti serra")
A("Bairrada", "R", (16, 17), (4, 15), "cochon_lait agneau_roti cabri serra")
A("Alentejo", "R", (16, 17), (2, 8), "porc_palourdes agneau_roti barbecue serra")
A("Alentejo", "B", (8, 10), (0, 3), "morue poisson_grille sardines chevre_frais")
A("Madeira", "B", (12, 14), READY, "consomme foie_gras comte_vieux tarte_noix fruits_secs christmas_pudding")
A("Moscatel de Setúbal", "B", (10, 12), (3, 20), "roquefort pastel_nata creme_brulee fruits_secs")

region("Allemagne")
A("Mosel", "B", (8, 10), (3, 20), "saumon_fume truite cuisine_asiatique porc_roti chevre_frais tarte_pommes")
A("Rheingau", "B", (8, 10), (3, 20), "saumon_fume sandre porc_roti choucroute curry comte tarte_pommes")
A("Rheinhessen", "B", (8, 10), (1, 6), "asperges poisson_grille porc_roti chevre_frais")
A("Pfalz", "B", (8, 10), (2, 10), "asperges saumagen choucroute porc_roti munster")
A("Pfalz", "R", (15, 16), (3, 8), "gibier_plume magret porc_roti comte")
A("Nahe", "B", (8, 10), (3, 15), "saumon_fume truite cuisine_asiatique chevre_frais")
A("Franken", "B", (8, 10), (2, 8), "asperges saucisses poisson_grille chevre_frais")
A("Baden", "B", (10, 12), (2, 6), "asperges volaille_creme poisson_grille munster")
A("Baden", "R", (15, 16), (3, 8), "gibier_plume magret porc_roti comte")
A("Ahr", "R", (15, 16), (3, 8), "chevreuil magret saucisses comte")

region("Autriche")
A("Wachau", "B", (10, 12), (3, 15), "asperges truite schnitzel tafelspitz chevre_frais")
A("Kamptal", "B", (8, 10), (2, 10), "asperges schnitzel cuisine_asiatique chevre_frais")
A("Kremstal", "B", (8, 10), (2, 10), "truite schnitzel tafelspitz chevre_frais")
A("Südsteiermark", "B", (8, 10), (1, 5), "asperges salade_chevre truite chevre_frais")
A("Wiener Gemischter Satz", "B", (8, 10), (0, 3), "charcuterie salade_composee schnitzel chevre_frais")
A("Burgenland", "R", (15, 16), (3, 10), "goulash tafelspitz magret comte")
A("Mittelburgenland", "R", (16, 17), (4, 12), "goulash chevreuil magret comte")
A("Ruster Ausbruch", "B", (8, 10), (10, 30), "foie_gras roquefort strudel tarte_abricots")

region("Suisse")
A("Fendant", "B", (8, 10), (0, 3), "raclette fondue filets_perche gruyere vacherin")
A("Dôle", "R", (14, 16), (1, 4), "viande_sechee saucisses poulet_roti gruyere")
A("Petite Arvine", "B", (10, 12), (2, 8), "asperges filets_perche volaille_creme gruyere")
A("Cornalin", "R", (15, 17), (3, 10), "viande_sechee chevreuil cote_boeuf gruyere")
A("Dézaley", "B", (10, 12), (3, 15), "filets_perche fondue volaille_creme gruyere vacherin")
A("Merlot del Ticino", "R", (16, 17), (3, 10), "risotto_champignons osso_buco magret gruyere")
A("Oeil-de-Perdrix", "P", (8, 10), (0, 2), "charcuterie salade_composee filets_perche tete_moine")
A("Neuchâtel", "B", (8, 10), (0, 3), "filets_perche truite fondue tete_moine gruyere")

region("Etats-Unis")
A("Napa Valley", "R", (16, 18), (5, 20), "cote_boeuf carre_agneau filet_boeuf barbecue cheddar")
A("Napa Valley", "B", (10, 12), (2, 6), "crabe homard poulet_roti brie")
A("Sonoma Coast", "R", (14, 16), (3, 10), "risotto_champignons saumon_grille magret brie")
A("Sonoma Coast", "B", (10, 12), (2, 6), "crabe homard poulet_roti brie")
A("Willamette Valley", "R", (14, 16), (3, 10), "risotto_champignons saumon_grille magret pigeon comte")
A("Willamette Valley", "B", (8, 10), (1, 4), "crabe saumon_grille cuisine_asiatique chevre_frais")
A("Paso Robles", "R", (16, 17), (3, 10), "barbecue ribs agneau_roti cheddar")
A("Columbia Valley", "R", (16, 17), (4, 12), "cote_boeuf agneau_roti burger cheddar")
A("Dry Creek Valley", "R", (16, 17), (2, 8), "barbecue ribs burger chili cheddar")

region("Australie")
A("Barossa Valley", "R", (16, 18), (5, 15), "barbecue cote_boeuf agneau_roti ribs cheddar")
A("McLaren Vale", "R", (16, 17), (4, 12), "agneau_roti barbecue burger cheddar")
A("Coonawarra", "R", (16, 18), (6, 15), "cote_boeuf carre_agneau chevreuil cheddar")
A("Margaret River", "R", (16, 18), (6, 15), "carre_agneau cote_boeuf filet_boeuf cheddar")
A("Margaret River", "B", (10, 12), (2, 8), "crevettes homard poulet_roti brie")
A("Hunter Valley", "B", (8, 10), (3, 20), "huitres fruits_mer poisson_grille chevre_frais")
A("Hunter Valley", "R", (16, 17), (5, 15), "agneau_roti magret barbecue cheddar")
A("Clare Valley", "B", (8, 10), (2, 12), "crevettes cuisine_asiatique poisson_grille chevre_frais")
A("Yarra Valley", "R", (14, 16), (3, 10), "saumon_grille magret canard_laque brie")
A("Yarra Valley", "B", (10, 12), (2, 8), "crabe poisson_grille poulet_roti brie")
A("Rutherglen Muscat", "B", (14, 16), READY, "stilton christmas_pudding chocolat glace_vanille fruits_secs")

region("Nouvelle-Zélande")
A("Marlborough", "B", (8, 10), (0, 3), "moules asperges salade_chevre ceviche chevre_frais")
A("Marlborough", "R", (14, 16), (2, 6), "saumon_grille magret agneau_roti brie")
A("Central Otago", "R", (14, 16), (3, 10), "carre_agneau magret chevreuil saumon_grille comte")
A("Hawke's Bay", "R", (16, 17), (4, 12), "agneau_roti cote_boeuf chevreuil cheddar")
A("Martinborough", "R", (14, 16), (3, 8), "magret agneau_roti saumon_grille comte")

region("Afrique du Sud")
A("Stellenbosch", "R", (16, 18), (4, 15), "cote_boeuf agneau_roti barbecue cheddar")
A("Stellenbosch", "B", (10, 12), (1, 5), "poisson_grille poulet_roti curry chevre_frais")
A("Constantia", "B", (8, 10), (1, 5), "fruits_mer asperges poisson_grille chevre_frais")
A("Swartland", "R", (16, 17), (3, 10), "agneau_roti barbecue chevreuil cheddar")
A("Swartland", "B", (10, 12), (2, 8), "poisson_grille poulet_roti curry chevre_frais")
A("Paarl", "R", (16, 17), (3, 10), "barbecue ribs burger cheddar")

region("Chili")
A("Valle del Maipo", "R", (16, 18), (4, 12), "empanadas cote_boeuf agneau_roti cheddar")
A("Valle de Colchagua", "R", (16, 17), (3, 10), "empanadas asado barbecue agneau_roti cheddar")
A("Valle de Casablanca", "B", (8, 10), (0, 3), "ceviche fruits_mer poisson_grille chevre_frais")

region("Argentine")
A("Mendoza", "R", (16, 18), (3, 10), "empanadas provoleta asado cote_boeuf barbecue")
A("Mendoza", "B", (10, 12), (1, 4), "empanadas poulet_roti poisson_grille chevre_frais")
A("Valle de Uco", "R", (16, 18), (4, 12), "provoleta asado agneau_roti cote_boeuf cheddar")
A("Cafayate", "B", (8, 10), (0, 2), "empanadas ceviche cuisine_asiatique chevre_frais")

region("Hongrie")
A("Tokaji Aszú", "B", (8, 10), (10, 50), "foie_gras roquefort strudel tarte_abricots fruits_exotiques")
A("Egri Bikavér", "R", (15, 17), (2, 8), "goulash poulet_paprika saucisses comte")

region("Grèce")
A("Santorini", "B", (8, 10), (1, 6), "poulpe salade_grecque poisson_grille feta")
A("Naoussa", "R", (16, 17), (4, 12), "moussaka agneau_roti brochettes_agneau tomme_brebis")

region("Liban")
A("Bekaa Valley", "R", (16, 18), (5, 15), "mezze agneau_roti brochettes_agneau tomme_brebis")

region("Canada")
A("Niagara Peninsula", "B", (8, 10), (2, 10), "foie_gras cuisine_asiatique cheddar tarte_pommes")

region("Chypre")
A("Commandaria", "B", (12, 14), (5, 30), "roquefort fruits_secs patisseries_orient")

region("Uruguay")
A("Canelones", "R", (16, 17), (3, 10), "empanadas asado barbecue cheddar")

region("Royaume Uni")
A("English Sparkling Wine", "B", (6, 8), (1, 5), "saumon_fume fish_chips cheddar tarte_fruits_rouges")

# --------------------------------------------------------------------------- vintages

# Marks out of 20 from 1982 on, for groups of appellations that share a climate and a
# reputation, after the consensus of the widely published vintage charts. None: no
# settled view (a region whose modern history starts later). Vintages after the last
# one here are left to the user until the trade has settled on them.
FIRST_YEAR = 1982
VINTAGES = {
    #                 1982                          1990                          2000                          2010                          2020
    "bdx_left":      [19, 16, 11, 17, 18, 12, 16, 18, 19, 11, 10, 12, 14, 17, 18, 13, 15, 15, 19, 16, 14, 16, 15, 19, 15, 13, 15, 19, 19, 14, 14, 11, 16, 18, 19, 15, 18, 18, 18, 14, 18, 16, 14],
    "bdx_right":     [19, 15, 10, 17, 15, 12, 16, 18, 19, 9, 11, 13, 15, 17, 15, 13, 19, 15, 19, 17, 13, 15, 15, 19, 16, 13, 15, 19, 19, 14, 15, 11, 15, 19, 18, 14, 18, 18, 18, 14, 18, 16, 13],
    "sauternes":     [14, 18, 11, 14, 18, 11, 19, 18, 19, 11, 10, 10, 13, 15, 16, 18, 15, 16, 12, 20, 15, 18, 14, 18, 15, 18, 15, 19, 17, 18, 11, 16, 16, 18, 16, 17, 15, 17, 15, 14, 17, 16, 13],
    "burg_red":      [13, 15, 11, 18, 13, 14, 17, 16, 19, 15, 13, 16, 12, 16, 17, 15, 15, 19, 14, 15, 18, 15, 13, 19, 15, 14, 15, 18, 19, 14, 17, 15, 16, 19, 17, 16, 17, 18, 18, 14, 18, 16, 14],
    "burg_white":    [15, 15, 12, 17, 17, 12, 14, 18, 17, 13, 17, 13, 13, 17, 17, 15, 14, 16, 17, 14, 18, 13, 16, 17, 16, 16, 17, 16, 18, 15, 16, 15, 19, 16, 15, 18, 16, 17, 17, 14, 17, 16, 15],
    "chablis":       [14, 15, 11, 17, 16, 12, 15, 17, 18, 12, 15, 13, 13, 16, 18, 15, 14, 15, 17, 13, 17, 12, 15, 16, 15, 17, 18, 15, 18, 14, 16, 14, 18, 16, 14, 18, 16, 17, 16, 14, 17, 15, 13],
    "beaujolais":    [13, 16, 10, 17, 13, 12, 15, 17, 15, 16, 11, 12, 13, 15, 14, 14, 14, 16, 15, 12, 11, 17, 12, 18, 14, 12, 12, 19, 17, 18, 13, 14, 16, 18, 15, 17, 17, 17, 17, 13, 17, 16, 13],
    "rhone_north":   [16, 18, 12, 17, 13, 13, 17, 17, 19, 17, 12, 10, 14, 16, 15, 15, 16, 18, 15, 16, 10, 17, 14, 17, 16, 15, 13, 19, 19, 15, 16, 16, 14, 19, 17, 17, 17, 18, 17, 14, 17, 16, 14],
    "rhone_south":   [12, 15, 11, 16, 13, 10, 16, 18, 18, 11, 11, 12, 14, 16, 13, 13, 18, 16, 17, 17, 9, 15, 15, 17, 16, 19, 13, 17, 19, 14, 16, 14, 13, 17, 19, 16, 14, 18, 16, 13, 16, 16, 14],
    "loire_red":     [13, 13, 10, 16, 14, 11, 15, 18, 18, 10, 11, 12, 12, 16, 17, 17, 12, 12, 13, 14, 16, 16, 13, 18, 13, 12, 14, 17, 17, 13, 12, 11, 16, 18, 15, 15, 18, 17, 17, 12, 17, 15, 12],
    "loire_white":   [13, 14, 10, 16, 16, 11, 15, 17, 17, 11, 12, 12, 13, 16, 17, 15, 13, 13, 14, 13, 17, 13, 15, 17, 14, 15, 16, 16, 17, 14, 15, 13, 17, 16, 15, 15, 17, 17, 17, 14, 17, 16, 13],
    "loire_chenin":  [12, 14, 9, 17, 14, 10, 16, 20, 20, 10, 11, 12, 12, 17, 18, 18, 12, 12, 13, 15, 17, 17, 13, 18, 13, 15, 14, 17, 16, 15, 12, 11, 16, 18, 14, 16, 18, 16, 16, 12, 17, 15, 12],
    "alsace":        [12, 18, 10, 17, 13, 12, 16, 18, 19, 12, 13, 13, 15, 15, 16, 17, 16, 13, 16, 17, 15, 14, 15, 16, 13, 17, 17, 16, 17, 15, 16, 16, 16, 18, 16, 17, 17, 17, 17, 14, 16, 16, 14],
    "champagne":     [18, 15, 9, 18, 14, 11, 18, 17, 19, 12, 13, 13, 12, 17, 19, 14, 16, 15, 15, 10, 19, 13, 17, 14, 16, 15, 19, 16, 13, 12, 18, 16, 15, 16, 15, 12, 17, 18, 17, 12, 17, 15, 13],
    "barolo":        [17, 13, 9, 18, 14, 13, 17, 19, 19, 11, 10, 14, 12, 15, 19, 17, 17, 18, 16, 19, 10, 14, 19, 15, 18, 17, 17, 15, 19, 16, 15, 18, 14, 17, 19, 15, 15, 18, 16, 18, 16, 16, 15],
    "brunello":      [16, 15, 9, 19, 14, 13, 18, 11, 19, 14, 10, 15, 14, 17, 14, 18, 15, 17, 14, 17, 10, 14, 18, 14, 18, 17, 15, 15, 19, 15, 17, 17, 13, 18, 19, 14, 15, 19, 16, 17, 16, 15, 16],
    "tuscany":       [15, 14, 9, 18, 14, 12, 17, 11, 18, 13, 10, 14, 13, 16, 14, 18, 15, 17, 15, 17, 10, 14, 17, 14, 17, 17, 14, 15, 18, 15, 15, 16, 13, 18, 19, 14, 15, 18, 16, 17, 15, 15, 16],
    "rioja":         [18, 13, 11, 13, 13, 15, 13, 15, 15, 15, 13, 12, 18, 18, 15, 12, 15, 14, 14, 19, 12, 14, 19, 18, 15, 15, 15, 16, 19, 17, 16, 12, 15, 17, 17, 15, 16, 18, 16, 18, 16, 16, 17],
    "ribera":        [16, 12, 11, 16, 16, 13, 13, 16, 16, 16, 12, 12, 18, 19, 18, 12, 15, 17, 13, 18, 12, 15, 18, 17, 16, 14, 14, 18, 18, 17, 16, 13, 16, 17, 18, 12, 16, 18, 16, 16, 15, 14, 17],
    "port":          [14, 17, 11, 18, 12, 14, 13, 13, 13, 16, 17, 10, 19, 15, 13, 18, 14, 14, 18, 14, 11, 17, 15, 15, 12, 18, 16, 16, 15, 19, 14, 13, 14, 16, 18, 19, 16, 14, 16, 16, 17, None, None],
    "germany":       [12, 17, 9, 16, 12, 11, 17, 17, 19, 13, 15, 17, 16, 16, 16, 17, 15, 15, 11, 19, 16, 15, 16, 18, 14, 18, 15, 17, 16, 17, 17, 13, 14, 18, 16, 17, 17, 18, 16, 17, 16, 15, 16],
    "austria":       [None] * 8 + [17, 13, 15, 15, 14, 15, 13, 18, 16, 18, 15, 17, 16, 15, 14, 16, 17, 16, 14, 17, 14, 17, 15, 17, 12, 18, 15, 17, 16, 19, 16, 18, 16, 16, 15],
    "napa":          [14, 12, 16, 18, 16, 17, 12, 12, 17, 18, 16, 15, 18, 17, 16, 18, 12, 16, 13, 18, 17, 15, 15, 16, 15, 18, 15, 16, 15, 13, 18, 19, 17, 17, 19, 15, 18, 18, 11, 18, 15, 17, 17],
}

# Which appellations carry which marks (the vintage chart has no colour: all colours of
# an appellation share them). Appellations drunk young, or whose vintages no chart
# follows, have a section without marks for the user to fill.
VINTAGE_GROUPS = {
    "bdx_left": ["Médoc", "Haut-Médoc", "Pauillac", "Margaux", "Saint-Julien", "Saint-Estèphe",
                 "Listrac-Médoc", "Moulis-en-Médoc", "Pessac-Léognan", "Graves"],
    "bdx_right": ["Saint-Émilion", "Saint-Émilion Grand Cru", "Pomerol", "Lalande-de-Pomerol",
                  "Fronsac", "Canon-Fronsac", "Montagne-Saint-Émilion", "Lussac-Saint-Émilion",
                  "Puisseguin-Saint-Émilion", "Saint-Georges-Saint-Émilion",
                  "Castillon Côtes de Bordeaux"],
    "sauternes": ["Sauternes", "Barsac", "Loupiac", "Cadillac", "Sainte-Croix-du-Mont", "Cérons"],
    "burg_red": ["Marsannay", "Fixin", "Gevrey-Chambertin", "Chambertin", "Morey-Saint-Denis",
                 "Clos de la Roche", "Chambolle-Musigny", "Musigny", "Bonnes-Mares",
                 "Clos de Vougeot", "Vougeot", "Échezeaux", "Grands-Échezeaux", "Vosne-Romanée",
                 "Richebourg", "Romanée-Saint-Vivant", "La Tâche", "Romanée-Conti",
                 "Nuits-Saint-Georges", "Côte de Nuits-Villages", "Ladoix", "Aloxe-Corton",
                 "Corton", "Pernand-Vergelesses", "Savigny-lès-Beaune", "Beaune", "Pommard",
                 "Volnay", "Monthélie", "Auxey-Duresses", "Santenay", "Maranges",
                 "Côte de Beaune-Villages", "Mercurey", "Givry"],
    "burg_white": ["Corton-Charlemagne", "Saint-Romain", "Meursault", "Puligny-Montrachet",
                   "Chassagne-Montrachet", "Montrachet", "Bâtard-Montrachet", "Saint-Aubin",
                   "Rully", "Pouilly-Fuissé"],
    "chablis": ["Chablis", "Chablis Premier Cru", "Chablis Grand Cru"],
    "beaujolais": ["Brouilly", "Côte de Brouilly", "Chénas", "Chiroubles", "Fleurie", "Juliénas",
                   "Morgon", "Moulin-à-Vent", "Régnié", "Saint-Amour"],
    "rhone_north": ["Côte-Rôtie", "Hermitage", "Cornas", "Saint-Joseph", "Crozes-Hermitage"],
    "rhone_south": ["Châteauneuf-du-Pape", "Gigondas", "Vacqueyras", "Rasteau", "Cairanne",
                    "Vinsobres", "Lirac", "Beaumes-de-Venise"],
    "loire_red": ["Chinon", "Bourgueil", "Saint-Nicolas-de-Bourgueil", "Saumur-Champigny",
                  "Anjou-Villages"],
    "loire_white": ["Sancerre", "Pouilly-Fumé", "Menetou-Salon"],
    "loire_chenin": ["Vouvray", "Montlouis-sur-Loire", "Savennières", "Coteaux du Layon",
                     "Bonnezeaux", "Quarts de Chaume", "Coteaux de l'Aubance", "Jasnières"],
    "alsace": ["Alsace Riesling", "Alsace Gewurztraminer", "Alsace Pinot Gris",
               "Alsace Grand Cru", "Alsace Vendanges Tardives", "Sélection de Grains Nobles"],
    "champagne": ["Champagne", "Champagne Blanc de Blancs", "Champagne Millésimé"],
    "barolo": ["Barolo", "Barbaresco"],
    "brunello": ["Brunello di Montalcino"],
    "tuscany": ["Chianti Classico", "Vino Nobile di Montepulciano", "Bolgheri"],
    "rioja": ["Rioja"],
    "ribera": ["Ribera del Duero"],
    "port": ["Porto Vintage"],
    "germany": ["Mosel", "Rheingau", "Nahe"],
    "austria": ["Wachau", "Kamptal", "Kremstal"],
    "napa": ["Napa Valley"],
}

# --------------------------------------------------------------------------- maturity

# Years from the vintage to the peak, per region: (white, red, rose). A rough middle of the
# region's wines; the peak year it gives is a proposal the user can change.
MATURITY = {
    "Alsace": (4, 3, 1), "Beaujolais": (2, 3, 1), "Bordeaux": (3, 8, 1),
    "Bourgogne": (5, 7, 1), "Champagne": (4, 3, 3), "Corse": (2, 4, 1),
    "Jura/Savoie": (4, 3, 1), "Languedoc/Roussillon": (2, 4, 1), "Pays de Loire": (3, 4, 1),
    "Provence": (2, 5, 1), "Rhône": (3, 6, 1), "Sud Ouest": (3, 6, 1),
    "Afrique du Sud": (2, 5, 1), "Allemagne": (4, 4, 1), "Algerie": (1, 3, 1),
    "Argentine": (2, 5, 1), "Australie": (3, 6, 1), "Autriche": (4, 5, 1),
    "Brésil": (1, 3, 1), "Bulgarie": (2, 4, 1), "Canada": (3, 4, 1), "Chili": (2, 5, 1),
    "Chine": (2, 4, 1), "Chypre": (2, 4, 1), "Espagne": (2, 6, 1), "Etats-Unis": (3, 6, 1),
    "Grèce": (2, 5, 1), "Hongrie": (5, 4, 1), "Israël": (2, 5, 1), "Inde": (1, 3, 1),
    "Italie": (2, 6, 1), "Liban": (2, 7, 1), "Luxembourg": (3, 3, 1), "Maroc": (1, 3, 1),
    "Mexique": (2, 4, 1), "Nouvelle-Zélande": (2, 5, 1), "Portugal": (2, 6, 1),
    "République tchèque": (2, 3, 1), "Roumanie": (2, 4, 1), "Royaume Uni": (3, 3, 1),
    "Slovaquie": (2, 3, 1), "Slovénie": (3, 4, 1), "Suisse": (2, 4, 1), "Tunisie": (1, 3, 1),
    "Turquie": (2, 4, 1), "Uruguay": (2, 5, 1), "Zimbabwe": (1, 3, 1),
}

# --------------------------------------------------------------------------- texts

FRENCH, ENGLISH = 0, 1


def fahrenheit(celsius):
    return int(celsius * 9 / 5 + 32 + 0.5)


def temperature_text(temp, lang):
    low, high = temp
    if lang == FRENCH:
        return f"{low} °C" if low == high else f"{low} à {high} °C"
    if low == high:
        return f"{low} °C ({fahrenheit(low)} °F)"
    return f"{low}-{high} °C ({fahrenheit(low)}-{fahrenheit(high)} °F)"


def keeping_text(keep, lang):
    if keep == READY:
        return ("Prêt à boire, se garde longtemps", "Ready to drink, keeps for years")[lang]
    low, high = keep
    if low == 0 and high == 1:
        return ("À boire dans l'année", "Drink within the year")[lang]
    if low == 0:
        return (f"À boire dans les {high} ans", f"Drink within {high} years")[lang]
    return (f"{low} à {high} ans", f"{low} to {high} years")[lang]


# --------------------------------------------------------------------------- checks

def fold(text):
    """Sort key: accents and case ignored, as a reader of the list expects."""
    decomposed = unicodedata.normalize("NFD", text.replace("Œ", "Oe").replace("œ", "oe"))
    return "".join(c for c in decomposed if not unicodedata.combining(c)).casefold()


def check_tables():
    errors = []
    seen = set()
    region_of = {}
    for reg, app, colour, temp, keep, dishes in ROWS:
        where = f"{app} ({reg}, {colour})"
        if (reg, app, colour) in seen:
            errors.append(f"{where}: twice")
        seen.add((reg, app, colour))
        # One region per appellation: the wine windows complete the region from the name.
        if region_of.setdefault(app, reg) != reg:
            errors.append(f"{where}: also in {region_of[app]}")
        if len(app) > 30:
            errors.append(f"{where}: name longer than 30")
        if colour not in COLOURS:
            errors.append(f"{where}: unknown colour")
        low, high = temp
        if not 5 <= low <= high <= 18:
            errors.append(f"{where}: temperature {temp}")
        if keep != READY and not (0 <= keep[0] < keep[1] <= 60):
            errors.append(f"{where}: keeping {keep}")
        if not 3 <= len(dishes) <= 12:
            errors.append(f"{where}: {len(dishes)} dishes")
        if len(set(dishes)) != len(dishes):
            errors.append(f"{where}: a dish twice")
        unknown = [d for d in dishes if d not in DISHES]
        if unknown:
            errors.append(f"{where}: unknown dishes {unknown}")
        elif len({DISHES[d][0] for d in dishes}) < 2:
            errors.append(f"{where}: dishes of a single course")
        for lang in (FRENCH, ENGLISH):
            for text in (temperature_text(temp, lang), keeping_text(keep, lang)):
                if len(text) > 50:
                    errors.append(f"{where}: text longer than 50: {text}")
    for key, (_, fr, en) in DISHES.items():
        for name in (fr, en):
            if len(name) > 30:
                errors.append(f"dish {key}: {name} longer than 30")
    used = {d for row in ROWS for d in row[5]}
    for key in DISHES:
        if key not in used:
            errors.append(f"dish {key} is used by no appellation")
    # Two dishes spelled alike would merge in food and wine pairing.
    for lang in (1, 2):
        names = [fold(v[lang]) for v in DISHES.values()]
        if len(set(names)) != len(names):
            errors.append("two dishes share a name")
    for group, marks in VINTAGES.items():
        for mark in marks:
            if mark is not None and not 0 <= mark <= 20:
                errors.append(f"vintages {group}: mark {mark}")
    for group, apps in VINTAGE_GROUPS.items():
        if group not in VINTAGES:
            errors.append(f"no marks for vintage group {group}")
        for app in apps:
            if app not in region_of:
                errors.append(f"vintage group {group}: {app} is not in the base")
    grouped = [app for apps in VINTAGE_GROUPS.values() for app in apps]
    if len(set(grouped)) != len(grouped):
        errors.append("an appellation is in two vintage groups")
    if set(MATURITY) != set(REGION_EN):
        errors.append("the maturity table must cover every region")
    if any(not 1 <= y <= 99 for years in MATURITY.values() for y in years):
        errors.append("maturity years out of 1..99")
    if errors:
        sys.exit("\n".join(errors))


# --------------------------------------------------------------------------- writers

def pad(text, width):
    return text[:width].ljust(width)


def region_name(reg, lang):
    return reg if lang == FRENCH else REGION_EN[reg]


def region_rank(lang):
    names = [fr for fr, _ in REGIONS] if lang == FRENCH else REGIONS_EN_ORDER
    return {name: i for i, name in enumerate(names)}


def sorted_rows(lang):
    rank = region_rank(lang)
    return sorted(ROWS, key=lambda r: (rank[region_name(r[0], lang)], fold(r[1]),
                                       COLOUR_ORDER.index(r[2])))


def appellation_base(lang):
    lines = []
    for reg, app, colour, temp, keep, dishes in sorted_rows(lang):
        lines.append("[" + pad(region_name(reg, lang), 20) + "][" + pad(COLOURS[colour][lang], 10)
                     + "](" + pad(app, 30) + ")")
        lines.append("   Temp =" + temperature_text(temp, lang))
        lines.append(("   Garde=", "   Keep =")[lang] + keeping_text(keep, lang))
        lines.append(("   Plats=", "   Dishes=")[lang])
        # Courses in menu order; within a course, the order of the table.
        for key in sorted(dishes, key=lambda d: "EPFD".index(DISHES[d][0])):
            course, fr, en = DISHES[key]
            lines.append("      " + COURSES[course][lang] + ":" + pad((fr, en)[lang], 30))
    return lines


def vintage_chart(lang):
    group_of = {app: group for group, apps in VINTAGE_GROUPS.items() for app in apps}
    lines = []
    seen = set()
    for reg, app, *_ in sorted_rows(lang):
        if (reg, app) in seen:
            continue
        seen.add((reg, app))
        lines.append("[" + pad(region_name(reg, lang), 20) + "](" + pad(app, 30) + ")")
        for offset, mark in enumerate(VINTAGES.get(group_of.get(app), [])):
            if mark is not None:
                lines.append(f"      {FIRST_YEAR + offset},{mark:02d}")
    return lines


def maturity_table(lang):
    lines = []
    rank = region_rank(lang)
    for colour in COLOUR_ORDER:
        for reg in sorted(MATURITY, key=lambda r: rank[region_name(r, lang)]):
            years = MATURITY[reg][COLOUR_ORDER.index(colour)]
            lines.append("[" + pad(COLOURS[colour][lang], 10) + "][" + pad(region_name(reg, lang), 20)
                         + "][" + f"{years:2d}" + "]")
    return lines


def write(path, lines):
    data = "".join(line + "\r\n" for line in lines).encode("cp1252")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(data)
    print(f"{os.path.relpath(path, ROOT)}: {len(lines)} lines")


def main():
    for length in {len(marks) for marks in VINTAGES.values()}:
        if length != len(VINTAGES["bdx_left"]):
            sys.exit("every vintage row must cover the same years")
    check_tables()
    names = {FRENCH: ("fr", "Vins.dat", "Annee.dat", "Apogee.dat"),
             ENGLISH: ("en", "Wines.dat", "Year.dat", "Mature.dat")}
    for lang, (folder, base, chart, maturity) in names.items():
        write(os.path.join(ROOT, folder, base), appellation_base(lang))
        write(os.path.join(ROOT, folder, chart), vintage_chart(lang))
        write(os.path.join(ROOT, folder, maturity), maturity_table(lang))
    print(f"{len(ROWS)} appellation sections, "
          f"{len({(r[0], r[1]) for r in ROWS})} vintage sections per language")


if __name__ == "__main__":
    main()
