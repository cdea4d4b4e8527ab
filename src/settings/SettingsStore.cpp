#include "settings/SettingsStore.h"

#include <QSettings>
#include <QStringList>

#include "settings/UiText.h"

namespace sv {

namespace {

QString Path(const QString& section, const QString& key) {
    return section + '/' + key;
}

// The INI reader turns an unquoted "a, b" into a list; a hand-edited name must still read back.
QString AsText(const QVariant& v) {
    if (v.metaType().id() == QMetaType::QStringList) return v.toStringList().join(", ");
    return v.toString();
}

} // namespace

SettingsStore::SettingsStore()
    : settings_(std::make_shared<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            kProgramTitle, kProgramTitle)) {}

SettingsStore::SettingsStore(const QString& iniFile)
    : settings_(std::make_shared<QSettings>(iniFile, QSettings::IniFormat)) {}

QString SettingsStore::GetSetting(const QString& section, const QString& key,
                                  const QString& defaultValue) const {
    const QVariant v = settings_->value(Path(section, key));
    return v.isValid() ? AsText(v) : defaultValue;
}

int SettingsStore::GetInt(const QString& section, const QString& key, int defaultValue) const {
    bool ok = false;
    const int n = GetSetting(section, key).trimmed().toInt(&ok);
    return ok ? n : defaultValue;
}

void SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value) {
    settings_->setValue(Path(section, key), value);
    // Written at the moment of the change, so a crash later does not lose it.
    settings_->sync();
}

void SettingsStore::SaveSetting(const QString& section, const QString& key, int value) {
    SaveSetting(section, key, QString::number(value));
}

QString SettingsStore::GetSetting(SettingKey k, const QString& defaultValue) const {
    return GetSetting(QString::fromLatin1(k.section), QString::fromLatin1(k.key), defaultValue);
}

int SettingsStore::GetInt(SettingKey k, int defaultValue) const {
    return GetInt(QString::fromLatin1(k.section), QString::fromLatin1(k.key), defaultValue);
}

bool SettingsStore::GetBool(SettingKey k, bool defaultValue) const {
    return GetInt(k, defaultValue ? kCheckedValue : 0) != 0;
}

void SettingsStore::SaveSetting(SettingKey k, const QString& value) {
    SaveSetting(QString::fromLatin1(k.section), QString::fromLatin1(k.key), value);
}

void SettingsStore::SaveSetting(SettingKey k, int value) {
    SaveSetting(k, QString::number(value));
}

void SettingsStore::SaveCheck(SettingKey k, bool ticked) {
    SaveSetting(k, ticked ? kCheckedValue : 0);
}

QString SettingsStore::FileName() const {
    return settings_->fileName();
}

} // namespace sv
