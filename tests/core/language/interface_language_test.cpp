// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/language/interface_language.h"

#include "support/temporary_resources.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

// The player's choice while it is shipped, then the desktop's first shipped language (English among them, though it
// has no catalogue), else English.
TEST(InterfaceLanguage, TheChoiceThenTheDesktopsFirstShippedLanguageThenEnglish)
{
    const QStringList shipped {"en", "de", "fr"};
    struct Case {
        QString chosen;
        QStringList desktop;
        QString spoken;
    };
    for (const auto& [chosen, desktop, spoken] : {Case {"", {"de-AT", "fr"}, "de"}, {"", {"pt-BR", "fr_FR.UTF-8"}, "fr"},
                                                  {"", {"en-GB", "de"}, "en"}, {"", {"C"}, "en"}, {"", {}, "en"},
                                                  {"fr", {"de"}, "fr"}, {"pt", {"de"}, "de"}, {"en", {"fr"}, "en"}})
        EXPECT_EQ(chooseLanguage(chosen, desktop, shipped), spoken) << chosen.toStdString() << " " << desktop.join(':').toStdString();
}

// The game's catalogues are found beside its data and spoken with Qt's own and the language's numbers; where there are
// none, English alone is offered and the text stays English.
TEST(InterfaceLanguage, ShippedCataloguesAreFoundAndSpoken)
{
    {
        const TemporaryResources none;
        EXPECT_EQ(shippedLanguages(), QStringList {"en"});
        speakLanguage("de");
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen") << "Qt's own catalogue";
        EXPECT_EQ(QCoreApplication::translate("MainWindow", "Check All Words"), "Check All Words");
    }
    EXPECT_EQ(shippedLanguages(), QStringList({"en", "de", "es", "fr"}));
    EXPECT_EQ(languageName("fr"), "Français");
    speakLanguage("fr");
    EXPECT_EQ(spokenLanguage(), "fr");
    EXPECT_EQ(QCoreApplication::translate("MainWindow", "Check All Words"), "Vérifier tous les mots");
    EXPECT_EQ(QLocale().toString(12345.5, 'f', 1), "12345,5") << "French decimals, never grouped";
}

} // namespace
