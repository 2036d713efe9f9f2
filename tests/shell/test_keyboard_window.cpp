// The windows from the keyboard and for screen readers: an evening played
// with keys alone, the Tab order of the main window, the accelerator tables
// and a name for every control that takes the focus.

#include "testsupport.h"

#include "common/keyboard.h"
#include "common/theme.h"
#include "correction/balancecorrection.h"
#include "players/declarerchange.h"
#include "results/diskoperations.h"
#include "settings/fileselect.h"
#include "stats/resultswindow.h"
#include "stats/seasonwindow.h"

#include <QAccessible>
#include <QMenu>
#include <QRadioButton>

using namespace testsupport;

namespace {

// Where a key goes: the open menu, else the control with the focus.
QWidget* keyTarget() {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup;
  return QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1) {
  for (int i = 0; i < times; ++i) {
    QTest::keyClick(keyTarget(), key, modifiers);
    QCoreApplication::processEvents();  // an accelerator clicks once the focus settled
  }
}

void showActive(QWidget* w) {
  w->show();
  w->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(w));
}

// The controls Tab stops at, as Qt decides it.
bool tabStop(const QWidget* w) {
  return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisible() && w->isEnabled() && !w->focusProxy();
}

struct Window {
  QWidget* widget;
  kvadus::AcceleratorTable keys;
};

QList<Window> allWindows() {
  return {{FRMMain, TFRMMain::accelerators()},
          {FORMZadaniHracu, TFORMZadaniHracu::accelerators()},
          {FRMZmenaVolice, TFRMZmenaVolice::accelerators()},
          {FORMDiskoveOperace, TFORMDiskoveOperace::accelerators()},
          {FRMUpravaStavu, TFRMUpravaStavu::accelerators()},
          {FRMFileSelect, TFRMFileSelect::accelerators()},
          {FRMGrafika, TFRMGrafika::accelerators()},
          {FRMSezona, TFRMSezona::accelerators()}};
}

}  // namespace

class TestKeyboardWindow : public QObject {
  Q_OBJECT

  ScriptedPerson person;
  TFRMMain* m = nullptr;

  // Tab from the first stop visits the stops in this order and comes back;
  // `visitedOut` gets the stops visited.
  void checkTabCycle(QList<QWidget*>* visitedOut = nullptr) {
    QList<QWidget*> expected;
    for (QWidget* w : kvadus::readingChain(m))
      if (tabStop(w)) expected << w;
    // Every control Tab could stop at is in the chain.
    for (QWidget* w : m->findChildren<QWidget*>())
      if (tabStop(w)) QVERIFY2(expected.contains(w), qPrintable(w->objectName()));
    expected.first()->setFocus(Qt::TabFocusReason);
    QList<QWidget*> visited{QApplication::focusWidget()};
    for (int i = 1; i < expected.size(); ++i) {
      press(Qt::Key_Tab);
      visited << QApplication::focusWidget();
    }
    QCOMPARE(visited, expected);
    press(Qt::Key_Tab);
    QVERIFY2(QApplication::focusWidget() == expected.first(),
             qPrintable(QApplication::focusWidget()->objectName() + " in " +
                        QApplication::focusWidget()->parentWidget()->objectName()));
    press(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), expected.last());
    // Within a group, top to bottom and left to right: the next control of
    // the same group starts below the last one or right of it.
    for (int i = 1; i < visited.size(); ++i) {
      const QWidget* a = visited[i - 1];
      const QWidget* b = visited[i];
      if (a->parentWidget() != b->parentWidget()) continue;
      const QRect ra = a->geometry(), rb = b->geometry();
      QVERIFY2(rb.top() > ra.top() || rb.left() > ra.right(), qPrintable(a->objectName() + " -> " + b->objectName()));
    }
    if (visitedOut) *visitedOut = visited;
  }

 private slots:
  void init() {
    person.reset();
    freshWindows(true);
    openSeasonWindow();
    FRMSezona->hide();
    m = FRMMain;
    m->flags.firstShowing = 0;  // no start-up dialogs
  }
  void cleanup() { destroyWindows(); }

  // Three hands, one of them removed, and the results window: keys only.
  void eveningFromTheKeyboard() {
    showActive(m);
    press(Qt::Key_N, Qt::AltModifier);  // "Nova": a game of the roster
    QTRY_COMPARE(m->playerCount(), 4);
    auto hand = [&](int declarer, int defenders) {
      press(Qt::Key_B, Qt::AltModifier);
      QVERIFY(m->RAGRUhrano->isAncestorOf(QApplication::focusWidget()));
      press(Qt::Key_Down, Qt::NoModifier, declarer);
      press(Qt::Key_R, Qt::AltModifier);
      press(Qt::Key_Down, Qt::NoModifier, defenders);
      QCOMPARE(m->RAGRUhrano->itemIndex(), declarer);
      QCOMPARE(m->RAGRProti->itemIndex(), defenders);
    };
    // An ordinary game won 60 to 30, added with Enter in the entry.
    hand(6, 3);
    press(Qt::Key_Return);
    QTRY_COMPARE(m->STGOutput->rowCount(), 3);
    // A seven in red, from the announcements, added with Enter as well.
    hand(7, 2);
    press(Qt::Key_L, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), m->CKBXSedma);
    press(Qt::Key_Space);
    for (int i = 0; i < 5 && QApplication::focusWidget() != m->CKBXCervene; ++i)
      press(Qt::Key_Tab);  // past "Stovka" and "Stovka proti" to "cervene"
    QCOMPARE(QApplication::focusWidget(), m->CKBXCervene);
    press(Qt::Key_Space);
    QVERIFY(m->CKBXSedma->isChecked() && m->CKBXCervene->isChecked());
    press(Qt::Key_Return);
    QTRY_COMPARE(m->STGOutput->rowCount(), 4);
    QVERIFY(tableRow(2).last().contains("rude"));
    // A game with a flek, added with Alt+P.
    hand(6, 3);
    press(Qt::Key_F, Qt::AltModifier);
    press(Qt::Key_Up);
    QCOMPARE(m->EDITFlekHraCount->text(), QString("1"));
    press(Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(m->STGOutput->rowCount(), 5);
    QCOMPARE(m->LABLPocetHer->text(), QString("Pocet her: 3"));
    const QStringList sumsBefore = sums();

    // "smazat >>", "posledni hru": the third hand goes.
    press(Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(m->POPMNUSmazaniVTabulceHer->isVisible());
    press(Qt::Key_Down, Qt::NoModifier, 2);
    QCOMPARE(m->POPMNUSmazaniVTabulceHer->activeAction(), m->POPUPSmazPosledni);
    press(Qt::Key_Return);
    QTRY_COMPARE(m->STGOutput->rowCount(), 4);
    QCOMPARE(m->LABLPocetHer->text(), QString("Pocet her: 2"));
    QVERIFY(sums() != sumsBefore);

    // The results window of the two hands left.
    press(Qt::Key_V, Qt::AltModifier);
    QTRY_VERIFY(FRMGrafika->isVisible());
    QTRY_COMPARE(FRMGrafika->EDITPocetHer->text(), QString("2"));
    QTRY_VERIFY(FRMGrafika->isActiveWindow());  // its own keys close it again
    press(Qt::Key_Z, Qt::AltModifier);
    QTRY_VERIFY(!FRMGrafika->isVisible());
  }

  // Enter adds only from the hand entry and only while "Pridat" is enabled.
  void enterAddsOnlyFromTheEntry() {
    showActive(m);
    startGame({"A", "B", "C"});
    m->RAGRTypHry->button(0)->setFocus();
    press(Qt::Key_Return);  // the points do not add up: "Pridat" is not there
    QCOMPARE(m->STGOutput->rowCount(), 2);
    points(6, 3);
    for (QWidget* outside : {static_cast<QWidget*>(m->BUTNNOvaHra), static_cast<QWidget*>(m->STGOutput)}) {
      outside->setFocus();  // a button of the frame, the table: Enter does nothing
      press(Qt::Key_Enter);
      QCOMPARE(m->STGOutput->rowCount(), 2);
    }
    m->LIBXHraci->setFocus();
    press(Qt::Key_Enter);
    QTRY_COMPARE(m->STGOutput->rowCount(), 3);
  }

  void tabFollowsTheReadingOrder() {
    showActive(m);
    startGame({"A", "B", "C", "D"});
    points(6, 3);  // "Pridat" is there
    // The groups as a person reads the narrow window: the frame's buttons,
    // the players, the fleks under them, the type and the announcements
    // under it, the points, the seven won, then the table and the price.
    QList<QWidget*> visited;
    checkTabCycle(&visited);
    QStringList groups;
    for (QWidget* w : visited) {
      const QString group = w->parentWidget()->objectName();
      if (groups.isEmpty() || groups.last() != group) groups << group;
    }
    QCOMPARE(groups,
             QStringList({"GRBXOvladaniHry", "GRPBXHraci", "GRPBXFleky", "RAGRTypHry", "GRBXAtributyHry", "RAGRUhrano",
                          "RAGRProti", "FRMMain", "PNLUhranaSedma", "GRPBXTabulka", "GRPBXCenaHry"}));
    m->BUTNChangeSizeClick();  // the wide window: the quick selection too
    QVERIFY(m->GRPBXVyhrane->isVisible());
    checkTabCycle();
    m->BUTNNastaveniParametruClick();  // the settings panel before what it covers
    checkTabCycle();
  }

  // A key per control, no key twice in a window, every key named in its
  // control's hint, captions as they were.
  void acceleratorTables() {
    for (const Window& w : allWindows()) {
      QSet<QString> keys;
      for (const kvadus::Accelerator& a : w.keys) {
        const QKeySequence key(QString::fromLatin1(a.key));
        QVERIFY2(!keys.contains(key.toString()), a.key);
        keys << key.toString();
        // Alt and a letter, or a function key: never a key that types.
        QVERIFY2((key[0].keyboardModifiers() & Qt::AltModifier) ||
                     (key[0].key() >= Qt::Key_F1 && key[0].key() <= Qt::Key_F12),
                 a.key);
      }
      QList<QWidget*> targets = kvadus::acceleratorTargets(w.widget, w.keys);
      int alternatives = 0;
      for (const kvadus::Accelerator& a : w.keys)
        alternatives += QString::fromLatin1(a.controls).split(' ', Qt::SkipEmptyParts).size();
      QCOMPARE(targets.size(), alternatives);  // every control named is there
      for (QWidget* t : targets) {
        QVERIFY2(t->toolTip().endsWith(')'), qPrintable(t->objectName()));
        if (auto* b = qobject_cast<QAbstractButton*>(t)) QVERIFY(!b->text().contains('&'));
      }
    }
    // The help page lists every window's keys, and no others.
    QFile page(QStringLiteral(ZUZ_SOURCE_ROOT "/help/hra.htm"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(page.readAll());
    for (const Window& w : allWindows()) {
      const int from = help.indexOf("id=\"klavesy-" + w.widget->objectName() + "\"");
      QVERIFY2(from >= 0, qPrintable(w.widget->objectName()));
      const QString table = help.mid(from, help.indexOf("</table>", from) - from);
      QStringList listed;
      static const QRegularExpression key("<tr><td>([^<]+)</td>");
      for (auto it = key.globalMatch(table); it.hasNext();) listed << it.next().captured(1);
      QStringList keys;
      for (const kvadus::Accelerator& a : w.keys) keys << QString::fromLatin1(a.key);
      QCOMPARE(listed, keys);
    }
  }

  void everyControlHasAName() {
    startGame({"Pepa", "Jana", "Franta"});
    appendHand({"      -0.20", "      +0.40", "      -0.20", "Jana : obycejna"});
    for (const Window& w : allWindows())
      for (QWidget* c : w.widget->findChildren<QWidget*>()) {
        // Hidden helpers and named procedures are never shown.
        // A control that hands its focus on (a tab widget to its tab bar) is
        // read as the one it hands it to.
        if (c->isWindow() || c->focusPolicy() == Qt::NoFocus || c->isHidden() || c->focusProxy()) continue;
        QVERIFY2(!kvadus::accessibleName(c).isEmpty(),
                 qPrintable(w.widget->objectName() + ": " + c->objectName() + " " + c->metaObject()->className()));
      }
    // Fields read the label beside them, the score table's cells their
    // player and hand.
    QCOMPARE(kvadus::accessibleName(m->EDITNasobekHryBetl), QString("betl"));
    QCOMPARE(kvadus::accessibleName(FORMZadaniHracu->EDITJmenoHrace), QString("Jmeno hrace pro pridani:"));
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(m->STGOutput);
    QVERIFY(table && table->tableInterface());
    auto cell = [&](int row, int column) {
      QAccessibleInterface* c = table->tableInterface()->cellAt(row, column);
      return c ? c->text(QAccessible::Name) : QString();
    };
    QCOMPARE(cell(1, 1), QString("Jana, hra 1: +0.40"));
    QCOMPARE(cell(2, 0), QString("Pepa, stav: -0.20"));
    QCOMPARE(cell(1, 3), QString("vynasel hrac : typ,fleky [uhrano bodu, sedma], hra 1: Jana : obycejna"));
  }

  // Colours of their own stay readable on a dark desktop.
  void warningsReadOnADarkPalette() {
    destroyWindows();
    const QPalette light = QApplication::palette();
    QApplication::setPalette(kvadus::darkPalette());
    freshWindows(true);
    auto contrast = [](const QColor& a, const QColor& b) {
      auto l = [](const QColor& c) {
        auto ch = [](qreal v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * ch(c.redF()) + 0.7152 * ch(c.greenF()) + 0.0722 * ch(c.blueF());
      };
      const qreal x = l(a) + 0.05, y = l(b) + 0.05;
      return std::max(x, y) / std::min(x, y);
    };
    const QColor window = FRMMain->palette().color(QPalette::Window);
    for (QWidget* w : {static_cast<QWidget*>(FRMMain->LABLPocetBoduVeHre3),
                       static_cast<QWidget*>(FORMZadaniHracu->LABLMinPocetHracuText)})
      QVERIFY2(contrast(w->palette().color(QPalette::WindowText), window) >= 4.5, qPrintable(w->objectName()));
    FRMMain->BUTNRozsireneOvladani->click();  // the meld boxes: the trumps' in the accent
    for (QCheckBox* box : {FRMMain->CHBXHlaskyHlaska0, FRMMain->CHBXHlaskyHlaska1, FRMMain->CHBXHlaskyHlaska2})
      QVERIFY2(contrast(box->palette().color(QPalette::WindowText), window) >= 3.0, qPrintable(box->objectName()));
    QApplication::setPalette(light);
  }
};

QTEST_MAIN(TestKeyboardWindow)
#include "test_keyboard_window.moc"
