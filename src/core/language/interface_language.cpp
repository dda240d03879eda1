// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/language/interface_language.h"

#include "core/platform/resources.h"
#include "core/preferences/preferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace {

constexpr char kCataloguePrefix[] = "sixfold_";

QString g_spoken = QLatin1String(kSourceLanguage);

// "de-AT", "de_AT.UTF-8" and "de" all ask for German; "C" and "POSIX" ask for nothing.
QString languageCode(const QString& tag)
{
    const QLocale locale(tag);
    return locale.language() == QLocale::C ? QString() : QLocale::languageToCode(locale.language());
}

QString cataloguesDirectory()
{
    return QDir(resourceDirectory()).filePath(QStringLiteral("translations"));
}

bool install(const QString& catalogue, const QString& directory)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(catalogue, directory) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QStringList shippedLanguages()
{
    QStringList languages {QLatin1String(kSourceLanguage)};
    const QDir directory(cataloguesDirectory());
    for (const QString& file : directory.entryList({kCataloguePrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name)) {
        const QString code = file.mid(int(sizeof kCataloguePrefix) - 1).chopped(3);
        if (!code.isEmpty() && !languages.contains(code))
            languages << code;
    }
    return languages;
}

// Each catalogue names its own language, since Qt names one with a territory ("español de España").
QString languageName(const QString& code)
{
    //: This language's own name, as its speakers write it in a menu: Deutsch, Français, Español.
    static const char* const kOwnName = QT_TRANSLATE_NOOP("Language", "English");
    if (code == QLatin1String(kSourceLanguage))
        return QString::fromLatin1(kOwnName);
    QTranslator catalogue;
    return catalogue.load(kCataloguePrefix + code, cataloguesDirectory()) ? catalogue.translate("Language", kOwnName)
                                                                          : QLocale(code).nativeLanguageName();
}

QString chooseLanguage(const QString& chosen, const QStringList& desktop, const QStringList& shipped)
{
    if (shipped.contains(chosen))
        return chosen;
    for (const QString& tag : desktop) {
        const QString code = languageCode(tag);
        // English asked for before another language wins over it, though it has no catalogue.
        if (code == QLatin1String(kSourceLanguage) || shipped.contains(code))
            return code;
    }
    return QLatin1String(kSourceLanguage);
}

QStringList desktopLanguages()
{
    return QLocale::system().uiLanguages();
}

QString launchLanguage()
{
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    return chooseLanguage(loadPreferences(settings).interfaceLanguage, desktopLanguages(), shippedLanguages());
}

void speakLanguage(const QString& code)
{
    g_spoken = code;
    // Numbers follow the interface: the desktop's own way when it speaks the same language,
    // else the language's. Never grouped, so that a score reads the same in every language.
    QLocale locale = QLocale::system().language() == QLocale(code).language() ? QLocale::system() : QLocale(code);
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
    if (code == QLatin1String(kSourceLanguage))
        return;
    const QString ours = cataloguesDirectory();
    if (!install(kCataloguePrefix + code, ours))
        qWarning("sixfold: the %s catalogue in %s could not be read; its text stays English.", qPrintable(code), qPrintable(ours));
    // Qt's own words (a dialog's Cancel, the names of keys); a Qt without them is no fault of ours.
    install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString spokenLanguage()
{
    return g_spoken;
}
