#include "ui/MessageTable.h"

#include <QCoreApplication>

namespace ui {

namespace {

struct Text {
    const char* source;
    const char* number; // disambiguation, so that two numbers never share a translation
};
struct Entry {
    int number;
    Text text;
};

// Numbers 16 and 33 to 35 are used by no window.
constexpr Entry kMessages[] = {
    {1, QT_TRANSLATE_NOOP3("MessageTable", "Erreur de format du fichier cave", "1")},
    {2, QT_TRANSLATE_NOOP3("MessageTable", "Erreur de format du fichier vins consommés", "2")},
    {3, QT_TRANSLATE_NOOP3("MessageTable", "La couleur n'est pas sélectionnée", "3")},
    {4, QT_TRANSLATE_NOOP3("MessageTable", "La région n'est pas sélectionnée", "4")},
    {5, QT_TRANSLATE_NOOP3("MessageTable", "L'appellation n'est pas sélectionnée", "5")},
    {6, QT_TRANSLATE_NOOP3("MessageTable", "Le millésime ne doit contenir que des chiffres", "6")},
    {7, QT_TRANSLATE_NOOP3("MessageTable", "La quantité saisie est incorrecte", "7")},
    {8, QT_TRANSLATE_NOOP3("MessageTable", "Le prix saisi est incorrect", "8")},
    {9, QT_TRANSLATE_NOOP3("MessageTable", "Le prix doit être inférieur à 100000", "9")},
    {10, QT_TRANSLATE_NOOP3("MessageTable", "La date d'achat est incorrecte", "10")},
    {11, QT_TRANSLATE_NOOP3("MessageTable", "apogée non numérique", "11")},
    {12, QT_TRANSLATE_NOOP3("MessageTable", "La date de consommation est incorrecte", "12")},
    {13, QT_TRANSLATE_NOOP3("MessageTable", "La cave ne contient pas autant de bouteilles", "13")},
    {14, QT_TRANSLATE_NOOP3(
             "MessageTable",
             "La quantité en cave n'est pas un nombre : corrigez-la dans la fiche du vin", "14")},
    {15, QT_TRANSLATE_NOOP3("MessageTable", "La quantité consommée est incorrecte", "15")},
    {17, QT_TRANSLATE_NOOP3("MessageTable", "Aucun vin n'est sélectionné", "17")},
    {18, QT_TRANSLATE_NOOP3("MessageTable", "Aucun plat n'est sélectionné", "18")},
    {19, QT_TRANSLATE_NOOP3("MessageTable", "Date de début de période incorrecte", "19")},
    {20, QT_TRANSLATE_NOOP3("MessageTable", "Date de fin de période incorrecte", "20")},
    {21, QT_TRANSLATE_NOOP3("MessageTable", "Aucune année n'est sélectionné", "21")},
    {22, QT_TRANSLATE_NOOP3("MessageTable", "Plat déjà présent dans la liste", "22")},
    {23,
     QT_TRANSLATE_NOOP3("MessageTable", "Cette appellation n'existe pas dans cette couleur", "23")},
    {24, QT_TRANSLATE_NOOP3("MessageTable", "Aucune appellation n'est sélectionnée", "24")},
    {25, QT_TRANSLATE_NOOP3("MessageTable", "Année déjà présente dans la liste", "25")},
    {26, QT_TRANSLATE_NOOP3("MessageTable", "La note saisie doit être inférieure à 20", "26")},
    {27, QT_TRANSLATE_NOOP3("MessageTable", "Vous n'avez saisi aucune note", "27")},
    {28, QT_TRANSLATE_NOOP3("MessageTable", "L'année saisie est incorrecte", "28")},
    {29, QT_TRANSLATE_NOOP3("MessageTable", "Aucun élément n'est sélectionné", "29")},
    {30, QT_TRANSLATE_NOOP3("MessageTable",
                            "Vous avez atteint le nombre maximum d'élément de la base", "30")},
    {31, QT_TRANSLATE_NOOP3("MessageTable", "élément déjà présent dans la base", "31")},
    {32, QT_TRANSLATE_NOOP3("MessageTable",
                            "La disquette ne contient aucune sauvegarde pour Tonnelix", "32")},
    {36, QT_TRANSLATE_NOOP3("MessageTable", "Vous n'avez saisi aucun nom de domaine", "36")},
    {37, QT_TRANSLATE_NOOP3("MessageTable", "Vous n'avez saisi le nom du propriétaire", "37")},
    {38, QT_TRANSLATE_NOOP3("MessageTable", "Domaine absent de la base", "38")},
    {39, QT_TRANSLATE_NOOP3("MessageTable", "Fichier non trouvé", "39")},
};

} // namespace

QString MessageText(int number) {
    for (const Entry& entry : kMessages)
        if (entry.number == number)
            return QCoreApplication::translate("MessageTable", entry.text.source,
                                               entry.text.number);
    return {};
}

QString WarningTitle() {
    return QCoreApplication::translate("MessageTable", "Avertissement");
}

} // namespace ui
