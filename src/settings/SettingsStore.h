#pragma once
// The per-user settings store: application "Sudoku Voltane", then section and key, text values.
// Copies share one backing store, so a store can be passed around by value or reference alike.
#include <memory>
#include <QString>

#include "settings/SettingKeys.h"

class QSettings;

namespace sv {

class SettingsStore {
public:
    // The player's real store (an INI file in the user's configuration folder).
    SettingsStore();
    // A store kept in the given file; tests use one in a temporary folder.
    explicit SettingsStore(const QString& iniFile);

    // The stored text, or `defaultValue` when the key or its section is absent.
    QString GetSetting(const QString& section, const QString& key,
                       const QString& defaultValue = QString()) const;
    // The stored whole number; a value that is absent or not a whole number (e.g. "x", "1.5",
    // "") reads as `defaultValue`. Leading/trailing blanks are allowed.
    int GetInt(const QString& section, const QString& key, int defaultValue) const;
    // Replaces any previous value; written to disk at once. A failed write is not reported.
    void SaveSetting(const QString& section, const QString& key, const QString& value);
    void SaveSetting(const QString& section, const QString& key, int value);

    // The same, by named key (see SettingKeys.h).
    QString GetSetting(SettingKey k, const QString& defaultValue = QString()) const;
    int GetInt(SettingKey k, int defaultValue) const;
    bool GetBool(SettingKey k, bool defaultValue) const; // any non-zero number is true
    void SaveSetting(SettingKey k, const QString& value);
    void SaveSetting(SettingKey k, int value);
    void SaveCheck(SettingKey k, bool ticked); // "-1" or "0", as a check box is stored

    // Where the values live (for messages and tests).
    QString FileName() const;

private:
    std::shared_ptr<QSettings> settings_;
};

} // namespace sv
