#include "platform/skin_engine.h"
#include "shell/theme.h"
#include "support/app_folder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QWidget>

using pentarix::ApplyTheme;
using pentarix::SkinEngine;
using pentarix::SkinFile;
using pentarix::test::AppFolder;

namespace {

const char* kSkinFiles[] = {"chizh.skn",      "Green.skn",    "galaxy.skn", "_temp.skn",   "B-Studio.skn", "Mac.skn",
                            "O-Universe.skn", "metallic.skn", "Paper.skn",  "winaqua.skn", "office2007.skn"};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray tinySkin(const QString& name) {
    return QByteArray("PENTARIX-SKIN 1\nName: ") + name.toUtf8() + "\n---\nQWidget { color: #123456; }\n";
}

struct ThemeCase {
    QString text;
    QString file; // empty: no skin file
};

class ApplyThemeTest : public ::testing::TestWithParam<ThemeCase> {};

TEST_P(ApplyThemeTest, LoadsTheThemesFileAndAlwaysAppliesTheEngine) {
    AppFolder folder;
    for (const char* name : kSkinFiles) writeFile(folder.filePath(QLatin1String(name)), tinySkin(QLatin1String(name)));
    QWidget window;
    window.setStyleSheet(QStringLiteral("QWidget { color: red; }"));
    SkinEngine skin;
    ApplyTheme(&window, skin, GetParam().text);
    EXPECT_EQ(skin.loadedFileName(), GetParam().file);
    if (GetParam().file.isEmpty()) {
        EXPECT_TRUE(window.styleSheet().isEmpty()) << "the plain look when no skin was loaded";
    } else {
        EXPECT_TRUE(window.styleSheet().contains(QLatin1String("#123456")));
    }
}

std::vector<ThemeCase> themeCases() {
    std::vector<ThemeCase> cases;
    for (int n = 1; n <= 11; ++n) cases.push_back({QString::number(n), QLatin1String(kSkinFiles[n - 1])});
    cases.push_back({QStringLiteral(" 7"), QStringLiteral("O-Universe.skn")});
    cases.push_back({QStringLiteral("3x"), QStringLiteral("galaxy.skn")});
    for (const char* none : {"12", "0", "2.5", "", "x", "-1"}) cases.push_back({QLatin1String(none), QString()});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Table, ApplyThemeTest, ::testing::ValuesIn(themeCases()));

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
