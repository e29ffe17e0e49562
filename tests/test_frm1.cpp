#include "common/messages.h"
#include "examinees/frm_code.h"
#include "maintenance/exitpro.h"
#include "maintenance/frmbackup.h"
#include "platform/modal.h"
#include "platform/single_instance.h"
#include "platform/skin_engine.h"
#include "platform/twips.h"
#include "scoring/frmk_lid.h"
#include "shell/about.h"
#include "shell/frm1.h"
#include "shell/frm1_texts.h"
#include "shell/frmq.h"
#include "shell/frmravansanji.h"
#include "shell/frmskin.h"
#include "support/app_folder.h"
#include "support/real_box.h"
#include "support/scripted_modal.h"
#include "support/typing.h"
#include "testing/frm_test.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <functional>

using pentarix::Frm1;
using pentarix::test::AppFolder;
using pentarix::test::ScriptedModal;
namespace texts = pentarix::frm1_texts;

namespace {

class Frm1Test : public ::testing::Test {
protected:
    ~Frm1Test() override { pentarix::FormSlotBase::discardAll(); }

    Frm1& load() {
        Frm1& window = pentarix::form<pentarix::Frm1>();
        window.show();
        return window;
    }
    static void moveOver(QWidget* widget) {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    AppFolder folder;
    ScriptedModal modal;
};

TEST_F(Frm1Test, ControlsStandAtTheirPositions) {
    Frm1& w = load();
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" "));
    EXPECT_EQ(w.size(), QSize(713, 579));
    EXPECT_EQ(w.pos(), QPoint(156, 51));
    EXPECT_EQ(w.Frame7->geometry(), QRect(552, 36, 149, 473));
    EXPECT_EQ(w.SkinLabel1->geometry(), QRect(116, 8, 397, 37));
    EXPECT_EQ(w.SkinLabel2->geometry(), QRect(20, 516, 665, 41));
    EXPECT_EQ(w.Picture1->geometry(), QRect(48, 436, 418, 46));
    EXPECT_EQ(w.SkinLabel7->text(), texts::kVersion);
    const std::vector<std::pair<QPushButton*, int>> menu = {
        {w.Command1, 180},  {w.Command2, 780},  {w.Command3, 1380}, {w.Command4, 1980}, {w.Command11, 2580},
        {w.Command5, 3180}, {w.Command13, 3780}, {w.Command9, 4380}, {w.Command12, 4980}, {w.Command6, 6300}};
    for (const auto& [button, top] : menu) {
        EXPECT_EQ(button->parentWidget(), w.Frame7);
        EXPECT_EQ(button->geometry(), QRect(16, top / 15, 119, 37)) << button->objectName().toStdString();
        EXPECT_EQ(button->font().family(), QStringLiteral("Nazli"));
        EXPECT_TRUE(button->font().bold());
        EXPECT_EQ(button->font().pointSize(), 12);
    }
    EXPECT_EQ(w.Command1->text(), texts::kCommand1Caption);
    EXPECT_EQ(w.Command6->text(), texts::kCommand6Caption);
    for (QWidget* panel : {w.Frame6, w.Frame8, w.Frame9, w.Frame10}) EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(w.SkinLabel2->isVisible());
    EXPECT_FALSE(w.Text1->isVisible());
    EXPECT_FALSE(w.Text3->isVisible());
}

TEST_F(Frm1Test, LoadShowsTheStoredSettingsAndTheme) {
    Frm1& w = load();
    EXPECT_EQ(w.Text3->text(), QStringLiteral("2"));
    EXPECT_EQ(w.Text1->text(), folder.scalar(QStringLiteral("SELECT TH FROM Theme")));
    EXPECT_EQ(w.SkinLabel1->text(), folder.scalar(QStringLiteral("SELECT Name FROM Theme")));
    EXPECT_EQ(w.Text14->text(), folder.scalar(QStringLiteral("SELECT Adress FROM Theme")));
    EXPECT_EQ(w.Skin1->loadedFileName(), QStringLiteral("office2007.skn"));
    EXPECT_FALSE(w.styleSheet().isEmpty());
    EXPECT_TRUE(modal.calls.empty());
}

TEST_F(Frm1Test, ThemeOutsideTheTableOpensInThePlainLook) {
    folder.exec(QStringLiteral("UPDATE Theme SET TH = 12"));
    Frm1& w = load();
    EXPECT_FALSE(w.Skin1->hasSkin());
    EXPECT_TRUE(w.styleSheet().isEmpty());
}

TEST_F(Frm1Test, MissingSkinFileOpensInThePlainLookWithoutAMessage) {
    QFile::remove(folder.filePath(QStringLiteral("office2007.skn")));
    Frm1& w = load();
    EXPECT_TRUE(w.styleSheet().isEmpty());
    EXPECT_TRUE(modal.calls.empty());
}

TEST_F(Frm1Test, TitleLineFollowsTheNameBoxLive) {
    Frm1& w = load();
    w.Text2->clear();
    pentarix::test::typeText(w.Text2, QStringLiteral("کلينيک"));
    EXPECT_EQ(w.SkinLabel1->text(), QStringLiteral("کلينيک"));
}

TEST_F(Frm1Test, HintLineFollowsTheMouseOverTheMenuColumn) {
    Frm1& w = load();
    const std::vector<std::pair<QPushButton*, QString>> hinted = {{w.Command1, texts::kCommand1Hint},
                                                                  {w.Command2, texts::kCommand2Hint},
                                                                  {w.Command3, texts::kCommand3Hint},
                                                                  {w.Command4, texts::kCommand4Hint},
                                                                  {w.Command9, texts::kCommand9Hint}};
    for (const auto& [button, hint] : hinted) {
        moveOver(button);
        EXPECT_TRUE(w.SkinLabel2->isVisible());
        EXPECT_EQ(w.SkinLabel2->text(), hint);
    }
    moveOver(w.Command1);
    // Other buttons, labels and panels leave the hint as it is.
    for (QWidget* other : {static_cast<QWidget*>(w.Command11), static_cast<QWidget*>(w.Command6),
                           static_cast<QWidget*>(w.SkinLabel1), static_cast<QWidget*>(w.Picture1)}) {
        moveOver(other);
        EXPECT_EQ(w.SkinLabel2->text(), texts::kCommand1Hint) << other->objectName().toStdString();
    }
    moveOver(w.Frame7);
    EXPECT_FALSE(w.SkinLabel2->isVisible());
    EXPECT_TRUE(w.SkinLabel2->text().isEmpty());

    moveOver(w.Command4);
    moveOver(&w);
    EXPECT_FALSE(w.SkinLabel2->isVisible());
}

TEST_F(Frm1Test, HidePanelsDiscardsAnUnsavedExamineeRow) {
    Frm1& w = load();
    w.Frame10->show();
    w.Adodc2->AddNew();
    w.Adodc2->setField(QStringLiteral("Code"), QStringLiteral("k9"));
    w.Command9->click();
    EXPECT_FALSE(w.Frame10->isVisible());
    EXPECT_TRUE(w.Frame8->isVisible());
    EXPECT_EQ(w.Frame8->geometry(), QRect(404, 252, 145, 137));
    EXPECT_FALSE(w.Adodc2->hasPendingChange());
    EXPECT_EQ(w.Adodc2->RecordCount(), 0);
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM IDE")), QStringLiteral("0"));
}

TEST_F(Frm1Test, TestScoringAndLookupButtonsWaitForTheFirstExaminee) {
    Frm1& w = load();
    for (QPushButton* button : {w.Command2, w.Command3, w.Command4}) {
        w.Command9->click();
        button->click();
        EXPECT_TRUE(w.Frame8->isVisible()) << button->objectName().toStdString() << " acted with no examinee";
    }
    EXPECT_TRUE(modal.calls.empty());

    folder.addExaminee(QStringLiteral("1"));
    w.Adodc3->Refresh();
    for (QPushButton* button : {w.Command2, w.Command3, w.Command4}) {
        w.Command9->click();
        button->click();
        EXPECT_FALSE(w.Frame8->isVisible()) << button->objectName().toStdString();
    }
}

TEST_F(Frm1Test, ClosingTheWindowDiscardsTheRegistrationAndOpensTheExitDialog) {
    Frm1& w = load();
    w.Adodc2->AddNew();
    w.Adodc2->setField(QStringLiteral("Code"), QStringLiteral("left-open"));
    w.close();
    EXPECT_FALSE(modal.ended());
    EXPECT_FALSE(pentarix::isLoaded<pentarix::Frm1>());
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM IDE")), QStringLiteral("0"));
    ASSERT_TRUE(pentarix::isLoaded<pentarix::exitpro>());
    EXPECT_TRUE(pentarix::form<pentarix::exitpro>().isVisible());
    EXPECT_EQ(pentarix::form<pentarix::exitpro>().pos(), pentarix::twips::point(5000, 1500));
}

TEST_F(Frm1Test, ExitButtonOpensTheExitDialog) {
    load().Command6->click();
    EXPECT_FALSE(modal.ended());
    EXPECT_FALSE(pentarix::isLoaded<pentarix::Frm1>());
    ASSERT_TRUE(pentarix::isLoaded<pentarix::exitpro>());
    EXPECT_TRUE(pentarix::form<pentarix::exitpro>().isVisible());
    EXPECT_EQ(pentarix::form<pentarix::exitpro>().pos(), pentarix::twips::point(5000, 1500));
}

TEST_F(Frm1Test, ClosingForAThemeChangeEndsNothingAndTheWindowLoadsAfresh) {
    Frm1& first = load();
    first.Text3->setText(QStringLiteral("1"));
    first.close();
    EXPECT_FALSE(modal.ended());
    EXPECT_FALSE(pentarix::isLoaded<pentarix::Frm1>());
    Frm1& second = load();
    EXPECT_EQ(second.Text3->text(), QStringLiteral("2"));
    EXPECT_FALSE(modal.ended());
}

// A lock file stays behind when its copy ends, however it ends: only a
// running copy's hold on it refuses a start, never the file or its content.
TEST_F(Frm1Test, LockFileLeftBehindBlocksNothing) {
    for (const QByteArray& content : {QByteArray(), QByteArray("garbage"), QByteArray("1\npentarix\nhost\n")}) {
        AppFolder other;
        QFile lock(pentarix::platform::instanceLockPath(other.path()));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(content);
        lock.close();
        EXPECT_FALSE(pentarix::platform::anotherCopyIsRunning()) << content.constData();
        // This process now holds the folder's lock: asking again is no refusal.
        EXPECT_FALSE(pentarix::platform::anotherCopyIsRunning());
    }
}

// Waits until a program started in the folder holds its instance lock.
bool waitForLock(const QString& folder, QProcess& program) {
    const QString lock = pentarix::platform::instanceLockPath(folder);
    for (int i = 0; i < 200; ++i) {
        if (QFile::exists(lock)) return true;
        if (program.state() == QProcess::NotRunning) return false;
        QTest::qWait(50);
    }
    return false;
}

TEST_F(Frm1Test, SecondCopyIsRefusedAndAKilledCopyBlocksNothing) {
    QProcess running;
    running.setWorkingDirectory(folder.path());
    running.setProgram(QStringLiteral(PENTARIX_PROGRAM));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    running.setProcessEnvironment(environment);
    running.start();
    ASSERT_TRUE(waitForLock(folder.path(), running));

    Frm1& refused = pentarix::form<pentarix::Frm1>();
    ASSERT_EQ(modal.calls.size(), 2u);
    EXPECT_EQ(modal.calls[0].text, texts::kAlreadyRunning);
    EXPECT_EQ(modal.calls[0].title, texts::kAlreadyRunningTitle);
    EXPECT_EQ(modal.calls[0].style, 64);
    EXPECT_EQ(modal.calls[1].kind, ScriptedModal::Call::Kind::End);
    EXPECT_FALSE(refused.isVisible());
    EXPECT_TRUE(refused.Text3->text().isEmpty()) << "start-up went on after the refusal";
    pentarix::FormSlotBase::discardAll();

    running.kill();
    running.waitForFinished();
    modal.clear();
    load();
    EXPECT_TRUE(modal.calls.empty()) << "a killed copy still blocks the start";
}

// Where a text leaves ink across a widget: its first and last columns that
// differ from the same widget drawn without the text.
struct Ink {
    int left = -1;
    int right = -1;
};

Ink inkOf(QWidget* widget) {
    const QImage with = widget->grab().toImage();
    const QString text = widget->property("text").toString();
    widget->setProperty("text", QString());
    const QImage without = widget->grab().toImage();
    widget->setProperty("text", text);
    Ink ink;
    for (int x = 0; x < with.width(); ++x) {
        for (int y = 0; y < with.height(); ++y) {
            if (with.pixel(x, y) == without.pixel(x, y)) continue;
            if (ink.left < 0) ink.left = x;
            ink.right = x;
            break;
        }
    }
    return ink;
}

struct RightAlignedCase {
    const char* name;
    std::function<QWidget*(Frm1&)> fill; // opens the panel, types, gives the control
};

class RightAlignedText : public Frm1Test, public ::testing::WithParamInterface<RightAlignedCase> {};

// Persian typed into a box that the window tables call right-aligned stands
// at the box's right edge, not where a right-to-left reading would mirror it.
TEST_P(RightAlignedText, PersianStandsAtTheRightEdge) {
    Frm1& w = load();
    QWidget* control = GetParam().fill(w);
    ASSERT_TRUE(control->isVisible());
    control->clearFocus(); // no caret in the picture
    const Ink ink = inkOf(control);
    ASSERT_GE(ink.left, 0) << "no text drawn";
    const int leftGap = ink.left;
    const int rightGap = control->width() - 1 - ink.right;
    EXPECT_LT(rightGap, leftGap) << "ink from " << ink.left << " to " << ink.right << " of " << control->width();
}

QWidget* typed(QLineEdit* box, const QString& text) {
    box->clear();
    box->setFocus();
    pentarix::test::typeText(box, text);
    EXPECT_EQ(box->text(), text);
    return box;
}

QWidget* registration(Frm1& w, QLineEdit* box, const QString& text) {
    w.Command1->click();
    return typed(box, text);
}

QWidget* clinic(Frm1& w, QLineEdit* box, const QString& text) {
    w.Command9->click();
    w.Command67->click();
    return typed(box, text);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, RightAlignedText,
    ::testing::Values(
        RightAlignedCase{"first_name", [](Frm1& w) { return registration(w, w.Text6, QStringLiteral("سارا")); }},
        RightAlignedCase{"last_name", [](Frm1& w) { return registration(w, w.Text4, QStringLiteral("کریمی")); }},
        RightAlignedCase{"education", [](Frm1& w) { return registration(w, w.Text7, QStringLiteral("دیپلم")); }},
        RightAlignedCase{"clinic_name", [](Frm1& w) { return clinic(w, w.Text2, QStringLiteral("کلینیک")); }},
        RightAlignedCase{"clinic_address", [](Frm1& w) { return clinic(w, w.Text14, QStringLiteral("تهران")); }},
        RightAlignedCase{"hint_line",
                         [](Frm1& w) -> QWidget* {
                             QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), w.Command3->mapToGlobal(QPointF(2, 2)),
                                              Qt::NoButton, Qt::NoButton, Qt::NoModifier);
                             QApplication::sendEvent(w.Command3, &move);
                             return w.SkinLabel2;
                         }}),
    [](const auto& info) { return std::string(info.param.name); });

// The captions beside the boxes are stored colon first (" :کد") and read as
// the name followed by its colon: the colon stands at the caption's left end,
// where the reader of Persian meets it last.
class CaptionColon : public Frm1Test, public ::testing::WithParamInterface<const char*> {};

// The first column, from the left, where two grabs of the same size differ.
int firstDifference(const QImage& a, const QImage& b) {
    for (int x = 0; x < a.width(); ++x) {
        for (int y = 0; y < a.height(); ++y) {
            if (a.pixel(x, y) != b.pixel(x, y)) return x;
        }
    }
    return -1;
}

TEST_P(CaptionColon, StandsAtTheLeftEndAfterTheName) {
    Frm1& w = load();
    w.Command1->click();
    w.Command9->click();
    w.Command67->click();
    w.Frame10->show();
    auto* label = w.findChild<QLabel*>(QLatin1String(GetParam()));
    ASSERT_NE(label, nullptr);
    ASSERT_TRUE(label->isVisible());
    const QString caption = label->text();
    ASSERT_TRUE(caption.contains(QLatin1Char(':')));
    const QImage full = label->grab().toImage();
    label->setText(QString(caption).remove(QLatin1Char(':')));
    const QImage nameOnly = label->grab().toImage();
    const Ink name = inkOf(label);
    label->setText(caption);
    ASSERT_GE(name.left, 0) << "no text drawn";
    // With the colon at the left end the name moves over for it, so the two
    // pictures part near the name's left end; a colon drawn at the right end
    // leaves the name in place and they part only at its right end.
    const int parted = firstDifference(full, nameOnly);
    EXPECT_LT(parted, (name.left + name.right) / 2)
        << "name from " << name.left << " to " << name.right << ", pictures part at " << parted;
}

INSTANTIATE_TEST_SUITE_P(Captions, CaptionColon,
                         ::testing::Values("SkinLbl", "SkinLabel3", "SkinLabel21_0", "SkinLabel21_2",
                                           "SkinLabel21_5", "SkinLabel4", "SkinLabel5"),
                         [](const auto& info) { return std::string(info.param); });

// A window's title as shown: the widget's own, and the one its window carries.
struct Titles {
    QString widget;
    QString window;
};

template <class W>
Titles titlesOfWindow() {
    ScriptedModal modal;
    W& w = pentarix::form<W>();
    w.show();
    return {w.windowTitle(), w.windowHandle() ? w.windowHandle()->title() : QString()};
}

Titles titlesOfBox(const std::function<void(QWidget*)>& show) {
    QWidget owner;
    owner.show();
    Titles titles;
    pentarix::test::WhenBoxShown read(&owner, [&](QMessageBox* box) {
        titles = {box->windowTitle(), box->windowHandle() ? box->windowHandle()->title() : QString()};
        box->button(QMessageBox::Ok)->click();
    });
    show(&owner);
    return titles;
}

// Whether the application carries a display name of its own: Qt then appends
// " — " and that name to every title it hands the window system.
bool displayNameOfItsOwn() {
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(name + QStringLiteral("-probe"));
    const bool own = QGuiApplication::applicationDisplayName() != QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(name);
    return own;
}

struct TitleCase {
    const char* name;
    std::function<Titles()> open;
    QString title;
};

class ExactTitle : public ::testing::TestWithParam<TitleCase> {
protected:
    ~ExactTitle() override { pentarix::FormSlotBase::discardAll(); }
    AppFolder folder;
};

TEST_P(ExactTitle, WindowSystemGetsTheTitleAsGiven) {
    const TitleCase& c = GetParam();
    const Titles titles = c.open();
    EXPECT_EQ(titles.widget, c.title);
    EXPECT_EQ(titles.window, c.title);
    EXPECT_FALSE(displayNameOfItsOwn()) << "the application's name would be appended to the title";
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ExactTitle,
    ::testing::Values(
        TitleCase{"Frm1", titlesOfWindow<Frm1>, QStringLiteral(" ")},
        TitleCase{"FrmCode", titlesOfWindow<pentarix::FrmCode>, QStringLiteral("کد آزمودني")},
        TitleCase{"FrmkLID", titlesOfWindow<pentarix::FrmkLID>, QStringLiteral("کليد گذاري")},
        TitleCase{"FrmTest", titlesOfWindow<pentarix::FrmTest>, QStringLiteral("صفحه اجراي تست")},
        TitleCase{"Frmbackup", titlesOfWindow<pentarix::Frmbackup>, QStringLiteral("Back up ...  Reastor")},
        TitleCase{"exitpro", titlesOfWindow<pentarix::exitpro>, QStringLiteral("تهيه نسخه پشتيبان")},
        TitleCase{"Frmskin", titlesOfWindow<pentarix::Frmskin>, QStringLiteral("Skin")},
        TitleCase{"About", titlesOfWindow<pentarix::About>, QStringLiteral("about")},
        TitleCase{"FrmQ", titlesOfWindow<pentarix::FrmQ>, QStringLiteral("سوالات")},
        TitleCase{"Frmravansanji", titlesOfWindow<pentarix::Frmravansanji>, QStringLiteral("معرفي پرسشنامه")},
        TitleCase{"second_copy_box",
                  [] {
                      return titlesOfBox([](QWidget* owner) {
                          pentarix::platform::QtModalHost().messageBox(owner, texts::kAlreadyRunning,
                                                                       texts::kAlreadyRunningTitle,
                                                                       pentarix::platform::style::kIconInformation);
                      });
                  },
                  QStringLiteral("Warnnig")},
        TitleCase{"timed_box",
                  [] {
                      return titlesOfBox(
                          [](QWidget* owner) { pentarix::ShowTimedMessage(owner, QStringLiteral("متن")); });
                  },
                  QStringLiteral("پيام")}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
