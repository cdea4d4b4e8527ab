#include "settings/UiText.h"

namespace sv {

std::array<std::string, kUiTextCount> UiText;

// The French wording shipped with the program; the language file overrides entries one by one.
static const char* const kDefaultTexts[kUiTextCount] = {
    "Aide de",                                                             // 0
    "Options",                                                             // 1
    "Taille de la grille",                                                 // 2
    "Utiliser l'aide lors de la résolution",                               // 3
    "Utiliser le bouton droit de la souris pour apercevoir les solutions", // 4
    "Saisir le nom du fichier à sauvegarder",                              // 5
    "Fichier déjà existant",                                               // 6
    "Ecraser",                                                             // 7
    "Il n'y a rien à sauvegarder",                                         // 8
    "Il n'y a rien à imprimer",                                            // 9
    "Impression du puzzle",                                                // 10
    "Impression en cours : Veuillez patienter",                            // 11
    "Renseigner le niveau à imprimer",                                     // 12
    "Impression du puzzle",                                                // 13
    "Facile",                                                              // 14
    "Assez facile",                                                        // 15
    "Moyen",                                                               // 16
    "Difficile",                                                           // 17
    "Dur",                                                                 // 18
    "Très dur",                                                            // 19
    "Très très dur",                                                       // 20
    "Imprimer aléatoirement",                                              // 21
    "Afficher le niveau",                                                  // 22
    "Nombre de pages à imprimer",                                          // 23
    "Nombre de puzzles par page",                                          // 24
    "Configurer l'imprimante",                                             // 25
    "Imprimer",                                                            // 26
    "Créer",                                                               // 27
    "Charger",                                                             // 28
    "Sauvegarder",                                                         // 29
    "Options",                                                             // 30
    "Aide",                                                                // 31
    "Conseiller",                                                          // 32
    "Résoudre",                                                            // 33
    "Vider la grille",                                                     // 34
    "Réinitialiser",                                                       // 35
    "Fichier d'aide non valable",                                          // 36
    "Le chiffre",                                                          // 37
    "ne peut pas se placer là ... ",                                       // 38
    "Puzzle non résolu ...",                                               // 39
    "Réessayer en utilisant l'option",                                     // 40
    "Ce puzzle est trop compliqué !",                                      // 41
    "Vous avez fait une erreur",                                           // 42
    "Ceci est impossible",                                                 // 43
    "Ce puzzle existe déjà ...",                                           // 44
    "Puzzle enregistré sous",                                              // 45
    "Vérification de niveau",                                              // 46
    "Creation du puzzle : Veuillez patienter",                             // 47
    "non trouvé.",                                                         // 48
    "Fichier non trouvé",                                                  // 49
    "Attention, saisie incorrecte.",                                       // 50
    "Section non trouvée.",                                                // 51
    "Il n'existe pas de puzzle pour ce niveau",                            // 52
    "Niveau du puzzle",                                                    // 53
    "existe déjà.",                                                        // 54
    "Index invalide.",                                                     // 55
    "Rien",                                                                // 56
    "Désolé, conseil impossible",                                          // 57
    "Placer ce nunméro",                                                   // 58
    "Résolution en cours",                                                 // 59
    "Impression",                                                          // 60
    "Ce puzzle",                                                           // 61
    "Plus de puzzles",                                                     // 62
    "Selectionner le fichier à charger",                                   // 63
    "Fichiers de",                                                         // 64
    "Niveau",                                                              // 65
    "Fichier erronné",                                                     // 66
    "Colonne",                                                             // 67
    "Ligne",                                                               // 68
    "devrait être",                                                        // 69
    "Fermer",                                                              // 70
    "Minimiser",                                                           // 71
    "Veuillez saisir un nom de joueur !",                                  // 72
    "",                                                                    // 73
    "",                                                                    // 74
    "Transparence",                                                        // 75
    "Réafficher",                                                          // 76
    "Quitter",                                                             // 77
    "Fond d'écran",                                                        // 78
    "Image de fond",                                                       // 79
    "Couleur",                                                             // 80
    "Les scores",                                                          // 81
    "Voulez vous vraiment quitter",                                        // 82
    "",                                                                    // 83
    "",                                                                    // 84
    "",                                                                    // 85
    "",                                                                    // 86
    "",                                                                    // 87
    "",                                                                    // 88
    "",                                                                    // 89
    "",                                                                    // 90
    "",                                                                    // 91
    "Site de l'auteur",                                                    // 92
    "",                                                                    // 93
    "",                                                                    // 94
    "",                                                                    // 95
    "",                                                                    // 96
    "",                                                                    // 97
    "",                                                                    // 98
    "",                                                                    // 99
    "",                                                                    // 100
};

void SetDefaultUiTexts() {
    for (int i = 0; i < kUiTextCount; ++i) UiText[i] = kDefaultTexts[i];
}

const std::string& DefaultUiText(int index) {
    static const std::array<std::string, kUiTextCount> defaults = [] {
        std::array<std::string, kUiTextCount> all;
        for (int i = 0; i < kUiTextCount; ++i) all[i] = kDefaultTexts[i];
        return all;
    }();
    return defaults.at(index);
}

} // namespace sv
