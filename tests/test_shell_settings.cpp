// The main window's settings menu, clinic panel, theme panel and the theme
// change through Frmskin; the calculator and the web link.
#include "platform/launcher.h"
#include "platform/skin_engine.h"
#include "shell/frm1.h"
#include "shell/frm1_settings_texts.h"
#include "shell/frm1_texts.h"
#include "shell/frmq.h"
#include "shell/frmravansanji.h"
#include "shell/frmskin.h"
#include "shell/frmskin_texts.h"
#include "support/app_folder.h"
#include "support/scripted_modal.h"
#include "support/typing.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

using pentarix::Frm1;
using pentarix::Frmskin;
using pentarix::test::AppFolder;
using pentarix::test::ScriptedModal;
namespace texts = pentarix::frm1_texts;

namespace {

// Records what the program would start or open instead of starting it.
class RecordingLauncher final : public pentarix::platform::Launcher {
public:
    RecordingLauncher() { pentarix::platform::setLauncher(this); }
    ~RecordingLauncher() override { pentarix::platform::setLauncher(nullptr); }
    RecordingLauncher(const RecordingLauncher&) = delete;
    RecordingLauncher& operator=(const RecordingLauncher&) = delete;

    QStringList installed; // programs that start
    bool browser = true;   // whether a web address opens
    QStringList tried;
    QStringList opened;

    bool startDetached(const QString& program) override {
        tried << program;
        return installed.contains(program);
    }
    bool openUrl(const QUrl& url) override {
        opened << url.toString();
        return browser;
    }
};

void moveOver(QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

class ShellSettingsTest : public ::testing::Test {
protected:
    ~ShellSettingsTest() override { pentarix::FormSlotBase::discardAll(); }

    Frm1& load() {
        Frm1& window = pentarix::form<Frm1>();
        window.show();
        return window;
    }
    QString stored(const char* field) const {
        return folder.scalar(QStringLiteral("SELECT %1 FROM Theme").arg(QLatin1String(field)));
    }

    AppFolder folder;
    ScriptedModal modal;
    RecordingLauncher launcher;
};

TEST_F(ShellSettingsTest, SettingsMenuAndItsPanelsOpenAndCloseTogether) {
    Frm1& w = load();
    w.Command9->click();
    EXPECT_TRUE(w.Frame8->isVisible());
    EXPECT_EQ(w.Frame8->geometry(), QRect(404, 252, 145, 137));

    w.Command68->click();
    EXPECT_TRUE(w.Frame8->isVisible());
    EXPECT_TRUE(w.Frame6->isVisible());
    EXPECT_EQ(w.Frame6->geometry(), QRect(228, 52, 173, 505));

    // The clinic panel replaces the theme panel; the menu stays beside it.
    w.Command67->click();
    EXPECT_FALSE(w.Frame6->isVisible());
    EXPECT_TRUE(w.Frame8->isVisible());
    EXPECT_TRUE(w.Frame9->isVisible());
    EXPECT_EQ(w.Frame9->geometry(), QRect(108, 56, 405, 153));

    w.Command68->click();
    EXPECT_FALSE(w.Frame9->isVisible());
    w.Command46->click();
    EXPECT_FALSE(w.Frame6->isVisible());
    EXPECT_TRUE(w.Frame8->isVisible()) << "closing the theme panel keeps the menu";

    for (QPushButton* opener : {w.Command67, w.Command68}) {
        opener->click();
        w.Command69->click();
        for (QFrame* panel : {w.Frame6, w.Frame8, w.Frame9}) {
            EXPECT_FALSE(panel->isVisible()) << opener->objectName().toStdString() << " then exit";
        }
    }
    EXPECT_TRUE(modal.calls.empty());
}

TEST_F(ShellSettingsTest, SavingStoresNameAndAddressAsTypedEvenEmpty) {
    Frm1& w = load();
    w.Command9->click();
    w.Command67->click();
    EXPECT_EQ(w.Text2->text(), stored("Name"));
    w.Text2->clear();
    pentarix::test::typeText(w.Text2, QStringLiteral("مرکز مشاوره's \"نو\""));
    EXPECT_EQ(w.SkinLabel1->text(), QStringLiteral("مرکز مشاوره's \"نو\"")) << "the title follows before saving";
    w.Text14->clear();
    w.Command64->click();
    EXPECT_EQ(stored("Name"), QStringLiteral("مرکز مشاوره's \"نو\""));
    EXPECT_EQ(stored("Adress"), QString());
    EXPECT_FALSE(w.Adodc1->hasPendingChange());
    EXPECT_FALSE(w.Frame9->isVisible());
    EXPECT_TRUE(w.Frame8->isVisible());

    w.Command67->click();
    w.Text2->clear();
    w.Command64->click();
    EXPECT_EQ(stored("Name"), QString());
    EXPECT_TRUE(w.SkinLabel1->text().isEmpty());
    EXPECT_TRUE(modal.calls.empty()) << "saving checks nothing and says nothing";
}

TEST_F(ShellSettingsTest, CancelKeepsTheTypedTextPendingUntilSavedOrRefreshed) {
    const QString before = stored("Name");
    Frm1& w = load();
    w.Command9->click();
    w.Command67->click();
    w.Text2->clear();
    pentarix::test::typeText(w.Text2, QStringLiteral("کلینیک تازه"));
    w.Command7->click();
    EXPECT_FALSE(w.Frame9->isVisible());
    EXPECT_TRUE(w.Frame8->isVisible());
    EXPECT_EQ(w.SkinLabel1->text(), QStringLiteral("کلینیک تازه"));
    EXPECT_EQ(stored("Name"), before);

    w.Command67->click();
    EXPECT_EQ(w.Text2->text(), QStringLiteral("کلینیک تازه"));
    w.Command64->click();
    EXPECT_EQ(stored("Name"), QStringLiteral("کلینیک تازه"));

    // A theme button refreshes first: a cancelled edit is dropped, not stored.
    w.Command67->click();
    pentarix::test::typeText(w.Text14, QStringLiteral(" طبقه ۲"));
    w.Command7->click();
    const QString address = stored("Adress");
    w.Command68->click();
    w.Command44->click();
    EXPECT_EQ(stored("Adress"), address);
    EXPECT_EQ(stored("TH"), QStringLiteral("2"));
}

struct ThemeButtonCase {
    const char* button;
    int number;
    const char* skin;
};

void PrintTo(const ThemeButtonCase& c, std::ostream* os) { *os << c.button << " -> " << c.skin; }

class ThemeButtonTest : public ShellSettingsTest, public ::testing::WithParamInterface<ThemeButtonCase> {};

TEST_P(ThemeButtonTest, StoresItsNumberClosesQuietlyAndComesBackInItsSkin) {
    const ThemeButtonCase& c = GetParam();
    folder.exec(QStringLiteral("UPDATE Theme SET TH = %1").arg(c.number == 1 ? 2 : 1));
    Frm1& w = load();
    w.Command9->click();
    w.Command68->click();
    auto* button = w.Frame6->findChild<QPushButton*>(QLatin1String(c.button));
    ASSERT_NE(button, nullptr);
    button->click();

    EXPECT_EQ(stored("TH"), QString::number(c.number));
    EXPECT_FALSE(pentarix::isLoaded<Frm1>());
    EXPECT_FALSE(modal.ended()) << "a theme change opens no exit dialog";
    ASSERT_TRUE(pentarix::isLoaded<Frmskin>());
    Frmskin& confirm = pentarix::form<Frmskin>();
    EXPECT_TRUE(confirm.isVisible());
    EXPECT_EQ(confirm.Skin1->loadedFileName(), QLatin1String(c.skin));

    confirm.k2_Click();
    EXPECT_FALSE(pentarix::isLoaded<Frmskin>());
    ASSERT_TRUE(pentarix::isLoaded<Frm1>());
    Frm1& back = pentarix::form<Frm1>();
    EXPECT_TRUE(back.isVisible());
    EXPECT_NE(&back, &w);
    EXPECT_EQ(back.Skin1->loadedFileName(), QLatin1String(c.skin));
    EXPECT_EQ(back.Text3->text(), QStringLiteral("2"));
    EXPECT_FALSE(back.Frame6->isVisible());
    EXPECT_TRUE(modal.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryTheme, ThemeButtonTest,
    ::testing::Values(ThemeButtonCase{"Command45", 1, "chizh.skn"}, ThemeButtonCase{"Command44", 2, "Green.skn"},
                      ThemeButtonCase{"Command43", 3, "galaxy.skn"}, ThemeButtonCase{"Command42", 4, "_temp.skn"},
                      ThemeButtonCase{"Command50", 5, "B-Studio.skn"}, ThemeButtonCase{"Command49", 6, "Mac.skn"},
                      ThemeButtonCase{"Command48", 7, "O-Universe.skn"},
                      ThemeButtonCase{"Command47", 8, "metallic.skn"}, ThemeButtonCase{"Command41", 9, "Paper.skn"},
                      ThemeButtonCase{"Command52", 10, "winaqua.skn"},
                      ThemeButtonCase{"Command53", 11, "office2007.skn"}),
    [](const auto& info) { return std::string(info.param.button); });

TEST_F(ShellSettingsTest, WindowsOpenedAfterAThemeChangeUseTheNewTheme) {
    Frm1& w = load();
    w.Command9->click();
    w.Command68->click();
    w.Command49->click();
    pentarix::form<Frmskin>().k2_Click();
    EXPECT_EQ(pentarix::form<pentarix::Frmravansanji>().Skin1->loadedFileName(), QStringLiteral("Mac.skn"));
    EXPECT_EQ(pentarix::form<pentarix::FrmQ>().Skin1->loadedFileName(), QStringLiteral("Mac.skn"));
}

TEST_F(ShellSettingsTest, ARefusedStoreKeepsTheWindowAndItsNormalClose) {
    folder.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON Theme BEGIN SELECT RAISE(ABORT, 'no'); END"));
    const QString theme = stored("TH");
    Frm1& w = load();
    w.Command9->click();
    w.Command68->click();
    w.Command43->click();
    ASSERT_TRUE(pentarix::isLoaded<Frm1>());
    EXPECT_FALSE(pentarix::isLoaded<Frmskin>());
    EXPECT_EQ(w.Text3->text(), QStringLiteral("2"));
    EXPECT_EQ(w.Text1->text(), theme) << "the refused number is dropped";
    EXPECT_EQ(stored("TH"), theme);
    ASSERT_EQ(modal.count(ScriptedModal::Call::Kind::Message), 1);

    w.Command67->click();
    pentarix::test::typeText(w.Text2, QStringLiteral("ب"));
    w.Command64->click();
    EXPECT_EQ(modal.count(ScriptedModal::Call::Kind::Message), 2);
    EXPECT_TRUE(w.Frame9->isVisible()) << "the typed name waits for another try";
    EXPECT_TRUE(w.Adodc1->hasPendingChange());
    EXPECT_FALSE(modal.ended());
}

TEST_F(ShellSettingsTest, FrmskinSwapsItsPictureWithThePointer) {
    Frmskin& w = pentarix::form<Frmskin>();
    w.show();
    EXPECT_EQ(w.windowTitle(), pentarix::frmskin_texts::kCaption);
    EXPECT_EQ(w.size(), QSize(312, 216));
    EXPECT_EQ(w.pos(), QPoint(333, 233));
    EXPECT_EQ(w.Label3[1]->text(), pentarix::frmskin_texts::kLabel3_1Caption);
    EXPECT_EQ(w.Label3[0]->text(), pentarix::frmskin_texts::kLabel3_0Caption);
    EXPECT_EQ(w.k1->geometry(), QRect(100, 128, 96, 35));
    EXPECT_EQ(w.k2->geometry(), w.k1->geometry());
    EXPECT_EQ(w.k1->pixmap().size(), QSize(96, 35));
    EXPECT_EQ(w.k2->pixmap().size(), QSize(96, 35));
    EXPECT_NE(w.k1->pixmap().toImage(), w.k2->pixmap().toImage());
    EXPECT_TRUE(w.k1->isVisible());
    EXPECT_FALSE(w.k2->isVisible());

    moveOver(w.k1);
    EXPECT_FALSE(w.k1->isVisible());
    EXPECT_TRUE(w.k2->isVisible());
    moveOver(w.k2);
    EXPECT_TRUE(w.k2->isVisible()) << "moving over the highlighted picture keeps it";
    moveOver(&w);
    EXPECT_TRUE(w.k1->isVisible());
    EXPECT_FALSE(w.k2->isVisible());

    moveOver(w.k1);
    QTest::mouseClick(w.k2, Qt::LeftButton);
    EXPECT_FALSE(pentarix::isLoaded<Frmskin>());
    EXPECT_TRUE(pentarix::isLoaded<Frm1>());
}

TEST_F(ShellSettingsTest, CalculatorTriesTheDesktopsInTurnAndIsMissedPolitely) {
    Frm1& w = load();
    const QStringList all = pentarix::platform::calculatorPrograms();
    launcher.installed = {all[2], all[4]};
    w.Command9->click();
    w.Command5->click();
    EXPECT_FALSE(w.Frame8->isVisible());
    EXPECT_EQ(launcher.tried, all.mid(0, 3)) << "stops at the first that starts";
    EXPECT_TRUE(modal.calls.empty());

    launcher.installed.clear();
    launcher.tried.clear();
    w.Command5->click();
    EXPECT_EQ(launcher.tried, all);
    ASSERT_EQ(modal.messages(), QStringList{pentarix::frm1_settings_texts::kNoCalculator});
    EXPECT_EQ(modal.calls[0].title, QStringLiteral("پيام"));
    EXPECT_TRUE(pentarix::isLoaded<Frm1>());
    EXPECT_FALSE(modal.ended());
}

TEST_F(ShellSettingsTest, WebPictureOpensTheTwoAddressesInOrderAndIsMissedPolitely) {
    Frm1& w = load();
    QTest::mouseClick(w.Picture1, Qt::RightButton);
    EXPECT_TRUE(launcher.opened.isEmpty());
    QTest::mouseClick(w.Picture1, Qt::LeftButton);
    ASSERT_EQ(launcher.opened.size(), 2);
    EXPECT_EQ(launcher.opened[0], QStringLiteral("https://www.pentarix-soft.example/"));
    EXPECT_EQ(launcher.opened[1], QStringLiteral("https://learn.pentarix-soft.example/"));
    EXPECT_EQ(w.Picture1->toolTip(), texts::kPicture1Tip);
    EXPECT_EQ(w.Picture1->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(modal.calls.empty());

    // No browser: both are tried, then the operator is told, as for the calculator.
    launcher.browser = false;
    launcher.opened.clear();
    QTest::mouseClick(w.Picture1, Qt::LeftButton);
    EXPECT_EQ(launcher.opened.size(), 2);
    ASSERT_EQ(modal.messages(), QStringList{pentarix::frm1_settings_texts::kNoBrowser});
    EXPECT_EQ(modal.calls[0].title, QStringLiteral("پيام"));
    EXPECT_TRUE(pentarix::isLoaded<Frm1>());
    EXPECT_FALSE(modal.ended());
}

} // namespace
