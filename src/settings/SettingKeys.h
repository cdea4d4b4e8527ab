#pragma once
// Every preference the program keeps between runs, by section and key, with the default a read
// falls back to. One list so that the window, the options and the printing code agree on names.

namespace sv {

struct SettingKey {
    const char* section;
    const char* key;
};

namespace setting {
// "Options": written all together by the options dialog.
inline constexpr SettingKey Griller{"Options", "Griller"};           // 0 = 9x9, 1 = 16x16
inline constexpr SettingKey AideResol{"Options", "AideResol"};       // "-1"/"0": guessing allowed
inline constexpr SettingKey AideButton{"Options", "AideButton"};     // "-1"/"0": right-button help
inline constexpr SettingKey Transparence{"Options", "Transparence"}; // 0..3
inline constexpr SettingKey Visible{"Options", "Visible"};           // non-zero: stay on top
inline constexpr SettingKey EtatColor{"Options", "EtatColor"};       // 0 = skin, 1 = plain colour
inline constexpr SettingKey Couleur{"Options", "Couleur"};           // 0x00BBGGRR
// "Settings": written at the moment they change (Left/Top only by ConfirmQuit).
inline constexpr SettingKey NomJoueur{"Settings", "NomJoueur"};
inline constexpr SettingKey Left{"Settings", "Left"};         // twips
inline constexpr SettingKey Top{"Settings", "Top"};           // twips
inline constexpr SettingKey Tasknook{"Settings", "Tasknook"}; // "0": last left in the tray
inline constexpr SettingKey Level{"Niveau", "Level"};         // 0..6
inline constexpr SettingKey Skin{"SkinsMain", "skins"};       // file name inside "skins"
inline constexpr SettingKey PrintRandom{"Impression", "Random"};
inline constexpr SettingKey PrintShowName{"Impression", "Showname"};
} // namespace setting

// Defaults of the keys whose default is not 0 or the empty text.
inline constexpr int kDefaultVisible = 1;
inline constexpr int kDefaultCouleur = 16777215; // white
inline constexpr int kDefaultTasknook = 1;
inline constexpr const char* kDefaultNomJoueurInBox = "Nouveau"; // the name box's fallback

// A check box state as stored: "-1" ticked, "0" clear.
inline constexpr int kCheckedValue = -1;

} // namespace sv
