#include "app/ui/settings.h"

#include <QSettings>

namespace kovolo::settings {

namespace {
constexpr const char* defaultLanguage = "deutsch";
constexpr const char* key = "Settings/Sprache";
} // namespace

std::string readLanguage()
{
    QSettings store(QStringLiteral("Kovolo"), QStringLiteral("Kovolo"));
    if (store.status() != QSettings::NoError)
        return defaultLanguage;
    const QVariant value = store.value(key);
    if (!value.isValid() || !value.canConvert<QString>() ||
        value.typeId() == QMetaType::QStringList)
        return defaultLanguage;
    return value.toString().toStdString();
}

void writeLanguage(const std::string& code)
{
    QSettings store(QStringLiteral("Kovolo"), QStringLiteral("Kovolo"));
    store.setValue(key, QString::fromStdString(code));
    store.sync();
}

} // namespace kovolo::settings
