// The main window's sizes and placements on simulated screens: the size
// controls, the narrow and wide window, the switches, the placement menu and
// buttons moving all windows, and the end on a screen too small.

#include "correction/balancecorrection.h"
#include "players/declarerchange.h"
#include "results/diskoperations.h"
#include "shell/application.h"
#include "settings/fileselect.h"
#include "shell/screenmetrics.h"
#include "stats/resultswindow.h"
#include "testsupport.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

using kvadus::windowsize::Placement;
using testsupport::ScriptedPerson;

Q_DECLARE_METATYPE(Placement)

namespace {
// Caption 20, frames 4: the narrow window is 648 x 564 outside (640 x 536
// inside), the wide one 796 x 688 (788 x 660 inside).
const kvadus::windowsize::FrameMetrics kMetrics{20, 4, 4, {}};
const QSize kNarrow(648, 564);
const QSize kWide(796, 688);
const QSize kExtra(8, 28);

const QString kTooSmall(
    "Velikost displeje (obrazovky) Vaseho pocitace bohuzel\nneni dostatecna pro zobrazeni oken "
    "programu ani v \nnejmensi velikosti.\n");

// The visible controls under `parent` that are cut: reaching out of their
// parent, or a text (label, switch, radio item, button caption) without
// room for it. Every page of a page control is looked at.
void collectCut(QWidget* parent, QStringList& cut) {
  for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w->isHidden() || w->isWindow()) continue;
    const auto* label = qobject_cast<QLabel*>(w);
    const auto* button = qobject_cast<QAbstractButton*>(w);
    const QString text = label ? label->text() : button ? button->text() : QString();
    const QString name = w->objectName() + " '" + text + "' in " + parent->objectName();
    if (!parent->rect().contains(w->geometry())) cut << name + ": outside";
    // The text's own room; a switch or radio item also holds its indicator.
    QSize needed = text.isEmpty() || (label && label->wordWrap()) ? QSize() : w->fontMetrics().size(0, text);
    if (const auto* box = qobject_cast<const QCheckBox*>(w))
      needed.rwidth() += box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                         box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
    if (const auto* radio = qobject_cast<const QRadioButton*>(w))
      needed.rwidth() += radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio) +
                         radio->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio);
    // The advance of a text's last letter holds a pixel or two of free room.
    if (needed.width() - 2 > w->width() || needed.height() > w->height())
      cut << name +
                 QString(": %1x%2 for %3x%4").arg(w->width()).arg(w->height()).arg(needed.width()).arg(needed.height());
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      const int current = tabs->currentIndex();
      for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        collectCut(tabs->widget(i), cut);
      }
      tabs->setCurrentIndex(current);
    } else if (!qobject_cast<QAbstractScrollArea*>(w) && !qobject_cast<QAbstractSpinBox*>(w)) {
      collectCut(w, cut);
    }
  }
}

QList<QWidget*> secondaryWindows() {
  return {FORMZadaniHracu, FORMDiskoveOperace, FRMUpravaStavu, FRMGrafika, FRMZmenaVolice};
}
}  // namespace

class TestWindowSizeWindow : public QObject {
  Q_OBJECT

  ScriptedPerson person;
  kvadus::ScreenMetrics screen;

  // Makes the windows on the simulated screen.
  void windowsOn(const QSize& work, kvadus::windowsize::FrameMetrics metrics = kMetrics) {
    screen.workArea = QRect(QPoint(0, 0), work);
    screen.frame = metrics;
    testsupport::freshWindows(true);
  }
  static bool quickGroupsShown() {
    return !FRMMain->GRPBXVyhrane->isHidden() && !FRMMain->GRPBXProhrane->isHidden() &&
           !FRMMain->LABLRychlaVolba->isHidden();
  }
  static QSize outer() { return FRMMain->size() + kExtra; }

 private slots:
  void initTestCase() {
    kvadus::setScreenMetricsProvider([this](const QWidget*) { return screen; });
  }
  void cleanupTestCase() { kvadus::setScreenMetricsProvider({}); }
  void init() { person.reset(); }
  void cleanup() { destroyWindows(); }

  void sizeControlsFollowTheWideFit_data() {
    QTest::addColumn<QSize>("work");
    QTest::addColumn<bool>("fits");
    QTest::newRow("exactly wide") << kWide << true;
    QTest::newRow("one pixel narrower") << kWide - QSize(1, 0) << false;
    QTest::newRow("one pixel lower") << kWide - QSize(0, 1) << false;
    QTest::newRow("exactly narrow") << kNarrow << false;
    QTest::newRow("large") << QSize(1280, 1024) << true;
  }
  void sizeControlsFollowTheWideFit() {
    QFETCH(QSize, work);
    QFETCH(bool, fits);
    windowsOn(work);
    TFRMMain* m = FRMMain;
    QVERIFY(person.shown.isEmpty());
    QCOMPARE(m->wideWindowFits(), fits);
    QCOMPARE(m->BUTNChangeSize->isEnabled(), fits);
    QCOMPARE(m->CHBXOknoRoztazene->isEnabled(), fits);
    QCOMPARE(m->BUTNUmisteni->isEnabled(), fits);
    // Every window starts narrow, whatever fits; the fixed size was not forced.
    QCOMPARE(m->narrowSize, kNarrow);
    QCOMPARE(m->wideSize, kWide);
    QCOMPARE(outer(), kNarrow);
    QVERIFY(!quickGroupsShown() && !m->CHBXOknoRoztazene->isChecked());
    QVERIFY(m->CHBXFixniRozmeryOkna->isEnabled() && !m->CHBXFixniRozmeryOkna->isChecked());
    QVERIFY(!m->screenTooSmall);
  }

  void sizeButtonAndStretchSwitch() {
    windowsOn({1280, 1024});
    TFRMMain* m = FRMMain;
    m->BUTNChangeSize->click();
    QCOMPARE(outer(), kWide);
    QVERIFY(quickGroupsShown() && m->CHBXOknoRoztazene->isChecked());
    // The quick groups lie inside the wide window.
    for (QWidget* w : {static_cast<QWidget*>(m->GRPBXVyhrane), static_cast<QWidget*>(m->GRPBXProhrane)})
      QVERIFY(m->rect().contains(w->geometry()));
    m->BUTNChangeSize->click();
    QCOMPARE(outer(), kNarrow);
    QVERIFY(!quickGroupsShown() && !m->CHBXOknoRoztazene->isChecked());

    // The switch does what the button does, once per change.
    m->CHBXOknoRoztazene->setChecked(true);
    QCOMPARE(outer(), kWide);
    QVERIFY(quickGroupsShown());
    m->CHBXOknoRoztazene->setChecked(false);
    QCOMPARE(outer(), kNarrow);

    // A quick item chosen in the wide window is priced, and stays so across
    // a change of size (which prices the entry again).
    testsupport::startGame({"A", "B", "C"});
    m->CHBXOknoRoztazene->setChecked(true);
    m->RAGRObycHra->setItemIndex(1);
    QCOMPARE(m->EDITCelkemCena->text(), QString(" +0.20"));
    m->BUTNChangeSize->click();
    QCOMPARE(m->EDITCelkemCena->text(), QString(" +0.20"));
  }

  // Nothing of the window is cut, narrow or wide, on any page of the
  // settings panel, with the extended counting.
  void everyControlWhole() {
    windowsOn({1280, 1024});
    TFRMMain* m = FRMMain;
    m->flags.firstShowing = 0;  // no start-up dialogs here
    m->show();
    QStringList cut;
    collectCut(m, cut);
    m->BUTNNastaveniParametruClick();
    collectCut(m, cut);
    m->BUTNNastaveniParametruClick();
    m->BUTNRozsireneOvladani->click();
    m->BUTNChangeSize->click();
    QApplication::processEvents();
    collectCut(m, cut);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join("\n")));
  }

  // The results window opens as wide as its tabs need (more than the narrow
  // main window), but never wider than the work area.
  void resultsWindowWithinTheWorkArea() {
    windowsOn({1280, 1024});
    const QSize roomy = FRMGrafika->openingSize(FRMMain->size());
    QVERIFY(roomy.width() > FRMMain->width());
    QCOMPARE(roomy.height(), FRMMain->height());
    destroyWindows();
    windowsOn(QSize(roomy.width() - 20, 700) + QSize(kExtra.width(), 0));
    QCOMPARE(FRMGrafika->openingSize(FRMMain->size()), QSize(roomy.width() - 20, FRMMain->height()));
  }

  // The settings text stretches the window only where the wide window fits.
  void settingsTextStretchesOnlyWhereItFits() {
    const QStringList text{"roztahnout okno : ano"};
    windowsOn(kWide - QSize(1, 0));
    FRMMain->MEMONastaveni->setPlainText(text.join('\n'));
    FRMMain->BUTNPouzijNastaveniClick();
    QVERIFY2(FRMMain->MEMOCHybyZpracovani->toPlainText().contains("X - displej > roztahnout okno : ano"),
             qPrintable(FRMMain->MEMOCHybyZpracovani->toPlainText()));
    QCOMPARE(outer(), kNarrow);
    QVERIFY(!FRMMain->CHBXOknoRoztazene->isChecked());

    destroyWindows();
    windowsOn(kWide);
    FRMMain->MEMONastaveni->setPlainText(text.join('\n'));
    FRMMain->BUTNPouzijNastaveniClick();
    QVERIFY(!FRMMain->MEMOCHybyZpracovani->toPlainText().contains("displej"));
    QCOMPARE(outer(), kWide);
    QVERIFY(FRMMain->CHBXOknoRoztazene->isChecked() && quickGroupsShown());
  }

  void fixedSizeSwitchSetsTheScaling() {
    windowsOn({1280, 1024});
    QVERIFY(!FRMMain->scaledToSystemFont);
    FRMMain->CHBXFixniRozmeryOkna->setChecked(true);
    QVERIFY(FRMMain->scaledToSystemFont);
    FRMMain->CHBXFixniRozmeryOkna->setChecked(false);
    QVERIFY(!FRMMain->scaledToSystemFont);
  }

  // Widening near the right and bottom edges pulls the window back on the
  // screen; narrowing keeps the left edge.
  void wideningNearTheEdges() {
    windowsOn({1024, 768});
    TFRMMain* m = FRMMain;
    m->BUTNUmistiRBClick();
    QCOMPARE(m->pos(), QPoint(1024 - 648, 768 - 564));
    m->BUTNChangeSize->click();
    QCOMPARE(m->pos(), QPoint(1024 - 796, 768 - 688));
    m->BUTNChangeSize->click();  // narrow again: stays where it is
    QCOMPARE(m->pos(), QPoint(1024 - 796, 768 - 688));
    m->move(900, 500);
    m->CHBXOknoRoztazene->setChecked(true);
    QCOMPARE(m->pos(), QPoint(1024 - 796, 768 - 688));
    QCOMPARE(outer(), kWide);
  }

  void centreOfTheWorkArea() {
    windowsOn({1024, 738});
    FRMMain->setFixedSize(QSize(601, 457) - kExtra);
    FRMMain->BUTNUmistiC->click();
    QCOMPARE(FRMMain->pos(), QPoint(211, 140));
    for (QWidget* w : secondaryWindows()) QCOMPARE(w->pos(), QPoint(211, 140));
  }

  void everyPlacementMovesAllWindows_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<QPoint>("expected");
    // The wide window (796 x 688) at 100, 50 on 1280 x 1024.
    const QPoint at[] = {{242, 168}, {0, 0}, {0, 50}, {0, 336}, {100, 0}, {100, 336}, {484, 0}, {484, 50}, {484, 336}};
    const char* names[] = {"centre", "left top",  "left",  "left bottom", "top",
                           "bottom", "right top", "right", "right bottom"};
    for (int i = 0; i < kvadus::windowsize::kPlacementCount; ++i) {
      QTest::addRow("button %s", names[i]) << i << false << at[i];
      QTest::addRow("menu %s", names[i]) << i << true << at[i];
    }
  }
  void everyPlacementMovesAllWindows() {
    QFETCH(int, index);
    QFETCH(bool, byMenu);
    QFETCH(QPoint, expected);
    windowsOn({1280, 1024});
    FRMMain->BUTNChangeSize->click();
    FRMMain->move(100, 50);
    for (QWidget* w : secondaryWindows()) w->move(7, 9);
    if (byMenu) FRMMain->placementActions()[index]->trigger();
    else FRMMain->placementButtons()[index]->click();
    QCOMPARE(FRMMain->pos(), expected);
    for (QWidget* w : secondaryWindows()) QCOMPARE(w->pos(), expected);
  }

  void placementMenu() {
    windowsOn({1280, 1024});
    TFRMMain* m = FRMMain;
    QStringList captions;
    QStringList hints;
    for (const QAction* a : m->placementActions()) {
      QCOMPARE(a->parent(), m->POPMNUUmisteni);
      captions << a->text();
      hints << a->toolTip();
    }
    QCOMPARE(m->POPMNUUmisteni->actions().size(), 9);
    QCOMPARE(captions, QStringList({"o", "`", "<", ",", "^", "v", "'", ">", "."}));
    QCOMPARE(hints, QStringList({"na stred", "vlevo nahoru", "vlevo", "vlevo dolu", "nahoru", "dolu", "vpravo nahoru",
                                 "vpravo", "vpravo dolu"}));
    QCOMPARE(m->BUTNUmistiC->text(), QString("(-)"));
    QCOMPARE(m->BUTNUmistiLT->text(), QString("|~"));
    QCOMPARE(m->BUTNChangeSize->text(), QString("<->"));
    QCOMPARE(m->BUTNChangeSize->toolTip(), QString("zmena velikosti okna (Alt+X)"));
    QCOMPARE(m->BUTNUmisteni->toolTip(), QString("Zmena umisteni vsech oken (Alt+U)"));
    for (const QPushButton* b : m->placementButtons()) QVERIFY(m->findChild<QPushButton*>(b->objectName()) == b);
    m->show();
    m->BUTNUmisteni->click();
    QTRY_VERIFY(m->POPMNUUmisteni->isVisible());
    m->POPMNUUmisteni->hide();
    m->hide();
  }

  // Too small for the narrow window: the fixed size is forced on, the
  // message and the help page, and the window closes while it is created.
  void tooSmallScreenEndsTheProgram_data() {
    QTest::addColumn<QSize>("work");
    QTest::newRow("one pixel narrower") << kNarrow - QSize(1, 0);
    QTest::newRow("one pixel lower") << kNarrow - QSize(0, 1);
  }
  void tooSmallScreenEndsTheProgram() {
    QFETCH(QSize, work);
    person.openerSucceeds = false;
    windowsOn(work);
    const QString trouble = QDir::toNativeSeparators("help/trouble.htm");
    QCOMPARE(person.texts(), QStringList({kTooSmall, "Nelze otevrit soubor s napovedou :\n" + trouble +
                                                         "\nPokuste se ho otevrit rucne a hledejte sekci,\n"
                                                         "ktera se zabyva velikosti oken."}));
    for (const auto& s : person.shown) QCOMPARE(s.caption, QString("Chyba"));
    QCOMPARE(person.opened, QStringList({trouble}));
    QVERIFY(FRMMain->screenTooSmall && !FRMMain->isVisible());
    QVERIFY(FRMMain->CHBXFixniRozmeryOkna->isChecked() && !FRMMain->CHBXFixniRozmeryOkna->isEnabled());
    QVERIFY(FRMMain->scaledToSystemFont);
    QCOMPARE(FRMMain->flags.firstShowing, quint8(0));

    // The check run on a made window closes it: the program ends.
    person.reset();
    QSignalSpy ending(FRMMain, &TFRMMain::programEnding);
    FRMMain->BUTNCHeckFormSizeClick();
    QCOMPARE(ending.count(), 1);
    QCOMPARE(person.texts(), QStringList({kTooSmall}));  // the page opened this time
  }

  // At the first showing on a work area of 800 x 560 every secondary window
  // gets a size that the work area holds in the frame of a resizable window
  // (openbox: 5 pixels at the bottom, not 1) and a place on it.
  void secondaryWindowsFitTheWorkArea() {
    testsupport::WorkingFolder folder;
    const QRect work(0, 0, 800, 560);
    const QMargins fixed(1, 20, 1, 1), resizable(1, 20, 1, 5);
    const auto previous = kvadus::setScreenMetricsProvider([&](const QWidget* w) {
      kvadus::ScreenMetrics s;
      s.workArea = work;
      s.frame.platformFrame = w && w->objectName() == "FRMMain" ? fixed : resizable;
      return s;
    });
    testsupport::freshWindows();
    QTimer::singleShot(0, FRMFileSelect->BUTNOk, &QPushButton::click);
    FRMMain->show();
    FRMMain->FormShow();
    QCOMPARE(FRMMain->size(), QSize(640, 536));
    for (QWidget* w : {static_cast<QWidget*>(FORMZadaniHracu), static_cast<QWidget*>(FRMGrafika),
                       static_cast<QWidget*>(FORMDiskoveOperace), static_cast<QWidget*>(FRMUpravaStavu)}) {
      const QRect outer(w->pos(), w->size() + QSize(2, 25));
      QVERIFY2(work.contains(outer), qPrintable(w->objectName()));
      QCOMPARE(w->height(), 535);  // the main window's 536 would end below the area
    }
    QVERIFY(FRMGrafika->width() > FRMMain->width());
    kvadus::setScreenMetricsProvider(previous);
  }

  void unknownScreenOrMetricEndsTheProgram() {
    screen.workArea.reset();
    screen.frame = kMetrics;
    testsupport::freshWindows();
    QCOMPARE(person.texts(),
             QStringList({"Velikost displeje (obrazovky) Vaseho pocitace se\nnepodarilo zjistit.", kTooSmall}));
    QVERIFY(FRMMain->screenTooSmall);
    destroyWindows();

    // A metric of 0 is reported at each measuring: once, and again after the
    // fixed size was forced on.
    person.reset();
    windowsOn({1280, 1024}, {20, 0, 4, {}});
    const QString missing("Parametr systemu 'Sirka ohraniceni X'\n se nepodarilo zjistit");
    QCOMPARE(person.texts(), QStringList({missing, missing, kTooSmall}));
    QVERIFY(FRMMain->screenTooSmall && !FRMMain->wideWindowFits());
  }

  // The program itself never shows a window the screen cannot hold.
  void programReturnsWithoutShowing() {
    screen.workArea = QRect(0, 0, 320, 200);
    screen.frame = kMetrics;
    QCOMPARE(kvadus::runProgram(*static_cast<kvadus::Application*>(qApp)), 0);
    QVERIFY(FRMMain && !FRMMain->isVisible());  // left to the process's end
    QCOMPARE(person.texts().first(), kTooSmall);
  }
};

int main(int argc, char** argv) {
  kvadus::Application app(argc, argv);
  TestWindowSizeWindow test;
  return QTest::qExec(&test, argc, argv);
}
#include "test_window_size_window.moc"
