#include "common/theme.h"
#include "platform/skin_engine.h"
#include "support/app_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QWidget>

using pentarix::ApplyTheme;
using pentarix::SkinEngine;
using pentarix::SkinFile;
using pentarix::test::AppFolder;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray tinySkin(const QString& name) {
    return QByteArray("PENTARIX-SKIN 1\nName: ") + name.toUtf8() + "\n---\nQWidget { color: #123456; }\n";
}

// The names of the skins delivered with the program, as the operator sees them
// in the application folder.
QStringList deliveredSkinNames() {
    return QDir(QStringLiteral(PENTARIX_SKINS_DIR)).entryList({QStringLiteral("*.skn")}, QDir::Files);
}

struct ThemeCase {
    const char* name;
    const char* text;
    const char* file; // empty: no skin file
};

class ApplyThemeTest : public ::testing::TestWithParam<ThemeCase> {};

TEST_P(ApplyThemeTest, LoadsTheThemesFileAndAlwaysAppliesTheEngine) {
    AppFolder folder;
    const QStringList skins = deliveredSkinNames();
    ASSERT_EQ(skins.size(), 11) << "eleven skins are delivered";
    for (const QString& name : skins) writeFile(folder.filePath(name), tinySkin(name));
    QWidget window;
    window.setStyleSheet(QStringLiteral("QWidget { color: red; }"));
    SkinEngine skin;
    ApplyTheme(&window, skin, QString::fromUtf8(GetParam().text));
    const QString expected = QLatin1String(GetParam().file);
    EXPECT_EQ(skin.loadedFileName(), expected);
    if (expected.isEmpty()) {
        EXPECT_TRUE(window.styleSheet().isEmpty()) << "the plain look when no skin was loaded";
    } else {
        EXPECT_TRUE(window.styleSheet().contains(QLatin1String("#123456")));
    }
}

// The stored theme number and the skin it stands for, in the order of the
// theme buttons; the number is read as the leading digits of the text.
INSTANTIATE_TEST_SUITE_P(
    Table, ApplyThemeTest,
    ::testing::Values(ThemeCase{"theme_1_chizh", "1", "chizh.skn"}, ThemeCase{"theme_2_green", "2", "Green.skn"},
                      ThemeCase{"theme_3_galaxy", "3", "galaxy.skn"}, ThemeCase{"theme_4_temp", "4", "_temp.skn"},
                      ThemeCase{"theme_5_b_studio", "5", "B-Studio.skn"}, ThemeCase{"theme_6_mac", "6", "Mac.skn"},
                      ThemeCase{"theme_7_o_universe", "7", "O-Universe.skn"},
                      ThemeCase{"theme_8_metallic", "8", "metallic.skn"},
                      ThemeCase{"theme_9_paper", "9", "Paper.skn"},
                      ThemeCase{"theme_10_winaqua", "10", "winaqua.skn"},
                      ThemeCase{"theme_11_office2007", "11", "office2007.skn"},
                      ThemeCase{"leading_space", " 7", "O-Universe.skn"},
                      ThemeCase{"trailing_letter", "3x", "galaxy.skn"},
                      ThemeCase{"past_the_last", "12", ""}, ThemeCase{"zero", "0", ""},
                      ThemeCase{"fraction", "2.5", ""}, ThemeCase{"empty", "", ""},
                      ThemeCase{"letter", "x", ""}, ThemeCase{"negative", "-1", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SkinEngine, MissingEmptyOrForeignFilesHoldNoSkin) {
    AppFolder folder;
    SkinEngine skin;
    skin.LoadSkinFile(QStringLiteral("absent.skn"));
    EXPECT_FALSE(skin.hasSkin());
    writeFile(folder.filePath(QStringLiteral("empty.skn")), QByteArray());
    skin.LoadSkinFile(QStringLiteral("empty.skn"));
    EXPECT_FALSE(skin.hasSkin());
    writeFile(folder.filePath(QStringLiteral("binary.skn")), QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11));
    skin.LoadSkinFile(QStringLiteral("binary.skn"));
    EXPECT_FALSE(skin.hasSkin());
    writeFile(folder.filePath(QStringLiteral("good.skn")), tinySkin(QStringLiteral("g")));
    skin.LoadSkinFile(QStringLiteral("good.skn"));
    EXPECT_TRUE(skin.hasSkin());
    // Loading a bad file after a good one leaves the plain look, not the old skin.
    skin.LoadSkinFile(QStringLiteral("absent.skn"));
    EXPECT_FALSE(skin.hasSkin());
}

TEST(SkinFile, ParsesHeaderAndSubstitutesLongerNamesFirst) {
    const auto skin = SkinFile::parse(
        "PENTARIX-SKIN 1\nName: Blue\n@accent: #0000ff\n@accentDark: #000080\n---\n"
        "QPushButton { color: @accent; border-color: @accentDark; }\n");
    ASSERT_TRUE(skin.has_value());
    EXPECT_EQ(skin->name, QStringLiteral("Blue"));
    EXPECT_TRUE(skin->styleSheet.contains(QLatin1String("color: #0000ff;")));
    EXPECT_TRUE(skin->styleSheet.contains(QLatin1String("border-color: #000080;")));

    EXPECT_FALSE(SkinFile::parse("Name: x\n---\nQWidget {}\n").has_value());
    EXPECT_FALSE(SkinFile::parse("PENTARIX-SKIN 1\nQWidget {}\n").has_value());
    EXPECT_FALSE(SkinFile::parse("PENTARIX-SKIN 1\n---\n   \n").has_value());
}

TEST(SkinFile, DeliveredSkinsParseCompletely) {
    const QDir skins(QStringLiteral(PENTARIX_SKINS_DIR));
    const QStringList files = skins.entryList({QStringLiteral("*.skn")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        QFile file(skins.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const auto skin = SkinFile::parse(file.readAll());
        ASSERT_TRUE(skin.has_value()) << name.toStdString();
        EXPECT_FALSE(skin->name.isEmpty()) << name.toStdString();
        EXPECT_FALSE(skin->styleSheet.contains(QLatin1Char('@'))) << name.toStdString() << ": unresolved value";
        EXPECT_TRUE(skin->styleSheet.contains(QLatin1String("SkinLabel"))) << name.toStdString();
    }
}

} // namespace
