// The main window and what it keeps between runs, as real widgets on the offscreen platform.
#include "PanelServer.h"
#include "WindowFixture.h"
#include "core/Errors.h"
#include "dialogs/OrvantaApplication.h"
#include "link/AppConfig.h"
#include "shell/WindowState.h"
#include "shell/fContactU.h"
#include "shell/fWaitU.h"
#include "soundpage/SoundPage.h"
#include "soundpage/WaveAdjuster.h"
#include "voice/SoundList.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace orvanta;

namespace {

using namespace orvanta::test;

template <typename Widget> Widget *child(QWidget &window, const char *name)
{
    return window.findChild<Widget *>(QLatin1String(name));
}

} // namespace

TEST(DebugMode, ArgumentOrConfigurationValue)
{
    EXPECT_TRUE(DecideDebugMode(QStringLiteral("False"), QStringLiteral("debug")));
    EXPECT_TRUE(DecideDebugMode(QStringLiteral("False"), QStringLiteral("Debug")));
    EXPECT_TRUE(DecideDebugMode(QStringLiteral("true"), QString()));
    EXPECT_TRUE(DecideDebugMode(QStringLiteral("TRUE"), QStringLiteral("other")));
    EXPECT_FALSE(DecideDebugMode(QStringLiteral("1"), QString()));
    EXPECT_FALSE(DecideDebugMode(QStringLiteral("yes"), QString()));
    EXPECT_FALSE(DecideDebugMode(QStringLiteral("False"), QStringLiteral("DEBUGGING")));
}

TEST(DebugMode, ConfigurationFileBesideTheExecutable)
{
    QTemporaryDir folder;
    WriteFile(folder.filePath(QStringLiteral("Config.ini")),
              "; settings\r\n[MAIN]\r\ndebug = true\r\n[ports]\r\ncom3=/dev/ttyUSB0\r\n"
              "[Sound]\r\nOutput=USB Audio\r\n");
    const AppConfig config = AppConfig::load(folder.path());
    EXPECT_EQ(config.debugValue(), QStringLiteral("true"));
    EXPECT_EQ(config.soundOutput(), QStringLiteral("USB Audio"));
    EXPECT_EQ(config.soundInput(), QString()); // the system's default
    EXPECT_EQ(config.devicePath("COM3"), "/dev/ttyUSB0");
    EXPECT_EQ(config.devicePath("COM4"), "/dev/ttyS3");
    EXPECT_EQ(AppConfig::load(folder.filePath(QStringLiteral("missing"))).debugValue(),
              QStringLiteral("False"));
}

TEST(SoundLists, BlankLinesAndRowCount)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sounds.txt"));
    WriteFile(path, "title\r\none.wav\r\n\r\nthree.wav\r\n");
    SoundListColumn list = ReadSoundList(path);
    EXPECT_EQ(list.cells.size(), 55);
    EXPECT_EQ(list.cells[2], QStringLiteral(" ")); // the empty line keeps its row
    EXPECT_EQ(list.cells[3], QStringLiteral("three.wav"));
    EXPECT_TRUE(list.cells[4].isEmpty());
    WriteSoundList(path, list);
    EXPECT_EQ(ReadFile(path), "title\r\none.wav\r\n \r\nthree.wav\r\n" +
                                  QByteArray(51 * 2, '\0').replace('\0', "\r\n").left(102));

    WriteFile(path, NumberedLines(70, "line "));
    list = ReadSoundList(path);
    EXPECT_EQ(list.cells[54], QStringLiteral("line 54"));
    WriteSoundList(path, list);
    EXPECT_EQ(ReadFile(path), NumberedLines(55, "line "));

    EXPECT_THROW(ReadSoundList(folder.filePath(QStringLiteral("none.txt"))), EInOutError);
}

TEST(SoundLists, Windows1251FileComesBackUnchanged)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("messages.txt"));
    // "Сообщение 1" in Windows-1251, then 54 more lines.
    QByteArray bytes = "\xD1\xEE\xEE\xE1\xF9\xE5\xED\xE8\xE5 1\r\n" + NumberedLines(54, "x");
    WriteFile(path, bytes);
    const SoundListColumn list = ReadSoundList(path);
    EXPECT_EQ(list.encoding, TextEncoding::Windows1251);
    EXPECT_EQ(list.cells[0], QStringLiteral("Сообщение 1"));
    WriteSoundList(path, list);
    EXPECT_EQ(ReadFile(path), bytes);

    WriteFile(path, QStringLiteral("Сообщение\r\n").toUtf8());
    EXPECT_EQ(ReadSoundList(path).encoding, TextEncoding::Utf8);
}

TEST(MainWindow, BuiltAsDescribed)
{
    WindowFixture f;
    auto window = f.open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Настройка охранной панели \"Orvanta\""));
    EXPECT_EQ(window->minimumWidth(), 698);
    EXPECT_EQ(child<QLabel>(*window, "Label3")->text(), QStringLiteral("ver. 2.05"));
    auto *port = child<QComboBox>(*window, "cb1");
    EXPECT_EQ(port->currentText(), QStringLiteral("COM2"));
    EXPECT_EQ(port->itemText(0), QStringLiteral("COM1"));
    EXPECT_EQ(port->itemText(7), QStringLiteral("COM8"));
    EXPECT_EQ(child<QCheckBox>(*window, "xCon")->text(),
              QStringLiteral("Связь с охранной панелью"));
    EXPECT_FALSE(child<QCheckBox>(*window, "xCon")->isChecked());
    EXPECT_EQ(child<QPushButton>(*window, "Button1")->text(),
              QStringLiteral("Прочитать настройки из \"Orvanta\""));
    EXPECT_EQ(child<QPushButton>(*window, "Button2")->text(),
              QStringLiteral("Записать настройки в \"Orvanta\""));

    auto *pages = child<QTabWidget>(*window, "PageControl1");
    const QStringList titles{"Запись звука", "Общие настройки", "Ключи Touch Memory",
                             "Настройка шлейфов", "Настройка включения реле"};
    ASSERT_EQ(pages->count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(pages->tabText(i), titles[i]);
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(pages->widget(0)->objectName(), QStringLiteral("TabSheet3"));

    for (const char *name : {"DebugGB", "GroupBox2", "EepL",    "EepPB",   "WA",        "Panel5",
                             "RecSB",   "UndoSB",    "Button4", "Button5", "GroupBox1", "p",
                             "SoundSG", "xerror",    "p1",      "p2",      "p3",        "Panel4",
                             "xaddr",   "xaddr2",    "xaddr3",  "Button6", "Button7",   "Panel59"})
        EXPECT_NE(window->findChild<QWidget *>(QLatin1String(name)), nullptr) << name;

    // The lists are in the grid, the address column titled, row 1 selected.
    SoundPage &sounds = window->sounds();
    EXPECT_EQ(sounds.cell(0, 0), QStringLiteral("message 0"));
    EXPECT_EQ(sounds.cell(1, 54), QStringLiteral("sound 54"));
    EXPECT_EQ(sounds.cell(2, 0), QStringLiteral("Адрес"));
    EXPECT_EQ(child<QLabel>(*window, "Panel4")->text(), QStringLiteral("1"));
    EXPECT_TRUE(f.dialogs.boxes.empty());

    // Selecting a row remembers it and opens its wave file beside the executable.
    auto *grid = child<QTableView>(*window, "SoundSG");
    grid->setCurrentIndex(grid->model()->index(9, 1));
    EXPECT_EQ(child<QLabel>(*window, "Panel4")->text(), QStringLiteral("10"));
    EXPECT_EQ(sounds.sound().message().fileName(),
              QDir(f.binDir()).filePath(QStringLiteral("sound/sound 10")));

    if (const QByteArray shot = qgetenv("ORVANTA_SCREENSHOT"); !shot.isEmpty()) {
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->grab().save(QString::fromLocal8Bit(shot));
        // And every other page beside it: shot-1.png ... shot-4.png.
        for (int page = 1; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            QCoreApplication::sendPostedEvents(); // the page's layout
            window->grab().save(QString::fromLocal8Bit(shot).replace(
                QStringLiteral(".png"), QStringLiteral("-%1.png").arg(page)));
        }
    }
}

TEST(MainWindow, DebugControlsFollowTheMode)
{
    WindowFixture f;
    auto normal = f.open();
    normal->show();
    EXPECT_FALSE(child<QGroupBox>(*normal, "DebugGB")->isVisible());
    EXPECT_FALSE(normal->DebugEnabled());
    normal.reset();

    auto debug = f.open({QStringLiteral("Debug")});
    debug->show();
    EXPECT_TRUE(child<QGroupBox>(*debug, "DebugGB")->isVisible());
    EXPECT_TRUE(debug->DebugEnabled());
    EXPECT_TRUE(debug->link().log().enabled());
}

TEST(MainWindow, ListsAreKeptAtExit)
{
    WindowFixture f;
    WriteFile(QStringLiteral("sounds.txt"), "title\r\nfirst.wav\r\n\r\nthird.wav\r\n");
    {
        auto window = f.open();
        window->sounds().setCell(0, 5, QStringLiteral("изменено"));
    }
    EXPECT_TRUE(ReadFile(QStringLiteral("sounds.txt"))
                    .startsWith("title\r\nfirst.wav\r\n \r\nthird.wav\r\n"));
    EXPECT_EQ(ReadFile(QStringLiteral("sounds.txt")).count("\r\n"), 55);
    EXPECT_TRUE(QString::fromUtf8(ReadFile(QStringLiteral("messages.txt")))
                    .contains(QStringLiteral("изменено")));
}

TEST(MainWindow, ListThatCannotBeKeptAtExitIsReported)
{
    WindowFixture f;
    auto window = f.open();
    window->show();
    QFile::remove(QStringLiteral("sounds.txt"));
    QDir().mkdir(QStringLiteral("sounds.txt")); // the list's place is taken
    window->sounds().setCell(0, 5, QStringLiteral("изменено"));
    window->close();
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].first, Dialogs::Kind::Error);
    EXPECT_TRUE(f.dialogs.boxes[0].second.contains(QStringLiteral("sounds.txt")));
    // The other list is kept all the same, and leaving says nothing more.
    EXPECT_TRUE(QString::fromUtf8(ReadFile(QStringLiteral("messages.txt")))
                    .contains(QStringLiteral("изменено")));
    window.reset();
    EXPECT_EQ(f.dialogs.boxes.size(), 1u);
}

TEST(MainWindow, MissingListIsReportedAndStartGoesOn)
{
    WindowFixture f;
    QFile::remove(QStringLiteral("messages.txt"));
    auto window = f.open();
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].first, Dialogs::Kind::Error);
    EXPECT_TRUE(f.dialogs.boxes[0].second.contains(QStringLiteral("messages.txt")));
    EXPECT_TRUE(window->sounds().cell(2, 0).isEmpty()); // the rest of the start was skipped
}

TEST(WindowStateStore, PortPositionAndMaximizedComeBack)
{
    WindowFixture f;
    {
        auto window = f.open();
        window->show();
        window->setGeometry(40, 30, 720, 700);
        child<QComboBox>(*window, "cb1")->setCurrentText(QStringLiteral("COM5"));
    }
    {
        auto window = f.open();
        EXPECT_EQ(child<QComboBox>(*window, "cb1")->currentText(), QStringLiteral("COM5"));
        EXPECT_FALSE(window->isMaximized());
        window->show();
        EXPECT_EQ(window->geometry(), QRect(40, 30, 720, 700));
        window->showMaximized();
    }
    auto window = f.open();
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window->geometry().size(), QSize(720, 700)); // the bounds it restores to
}

// Bounds kept from a larger screen, or a screen smaller than the window, leave the window within
// the screen's free area, title bar and all.
TEST(WindowStateStore, WindowFitsTheScreen)
{
    WindowFixture f;
    {
        auto window = f.open();
        window->show();
        window->setGeometry(700, 600, 1500, 1400);
    }
    auto window = f.open();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int titleBar = window->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QRect bounds = window->geometry();
    EXPECT_GE(bounds.left(), area.left());
    EXPECT_LE(bounds.right(), area.right());
    EXPECT_GE(bounds.top(), area.top());
    EXPECT_LE(bounds.bottom() + titleBar, area.bottom());
}

TEST(WindowStateStore, SecretTextsAreNotKept)
{
    WindowFixture f;
    QWidget window;
    window.setObjectName(QStringLiteral("fTest"));
    auto *password = new QLineEdit(QStringLiteral("12345"), &window);
    password->setObjectName(QStringLiteral("xpass"));
    password->setProperty("tag", 1);
    auto *note = new QLineEdit(QStringLiteral("kept"), &window);
    note->setObjectName(QStringLiteral("note"));
    SaveWindowState(window);

    QSettings settings(QStringLiteral("Orvanta"), QStringLiteral("Forms"));
    EXPECT_FALSE(settings.contains(QStringLiteral("fTest/xpass.Text")));
    EXPECT_EQ(settings.value(QStringLiteral("fTest/note.Text")).toString(), QStringLiteral("kept"));
}

TEST(WindowStateStore, BadValueIsReportedAndStartGoesOn)
{
    WindowFixture f;
    {
        QSettings settings(QStringLiteral("Orvanta"), QStringLiteral("Forms"));
        settings.setValue(QStringLiteral("fContact/fContact.Left"), QStringLiteral("abc"));
        settings.setValue(QStringLiteral("fContact/fContact.Width"), 800);
    }
    auto window = f.open();
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0],
              std::make_pair(Dialogs::Kind::Error,
                             QStringLiteral("Invalid data type for 'fContact.Left'")));
    EXPECT_EQ(window->width(), 800);                                 // the good values still count
    EXPECT_EQ(window->sounds().cell(2, 0), QStringLiteral("Адрес")); // the rest of the start ran
}

TEST(ConnectionIndicator, PressAsksThePanelAndErrorsReachTheUser)
{
    PanelWindowFixture f;
    auto &panel = f.panel;
    auto *indicator = f.child<QCheckBox>(QStringLiteral("xCon"));
    QTest::mouseClick(indicator, Qt::LeftButton); // runs the connection check: a whole read
    EXPECT_TRUE(indicator->isChecked());
    EXPECT_EQ(panel.commands().front(), "+v");
    EXPECT_EQ(panel.commands().back(), "+v");

    // An exception that leaves an event handler becomes an error box.
    struct Thrower : QObject
    {
        bool event(QEvent *) override { throw std::runtime_error("broken handler"); }
    } thrower;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &event);
    ASSERT_FALSE(f.dialogs.boxes.empty());
    EXPECT_EQ(f.dialogs.boxes.back(),
              std::make_pair(Dialogs::Kind::Error, QStringLiteral("broken handler")));
}

TEST(WaitDialog, ShownDuringTheExchangeAndGoneAfter)
{
    QWidget owner;
    owner.show();
    {
        WaitDialogScope scope(&owner);
        auto *dialog = owner.findChild<TfWait *>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Обмен данными"));
        dialog->close(); // the user's close only hides it
        EXPECT_NE(owner.findChild<TfWait *>(), nullptr);
    }
    EXPECT_EQ(owner.findChild<TfWait *>(), nullptr);
}

TEST(InstalledTool, StartedFromTheMenuKeepsItsFilesInTheUsersFolders)
{
    DialogRecorder dialogs;
    QTemporaryDir program, home, data;
    const QByteArray previousData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    const QString userConfig = QDir(qEnvironmentVariable("XDG_CONFIG_HOME"))
                                   .filePath(QStringLiteral("Orvanta/Config.ini"));
    QDir().mkpath(QFileInfo(userConfig).path());
    WriteFile(userConfig, "[Main]\r\nDebug=True\r\n");
    {
        // Neither Config.ini nor sound/ beside the program; started in the home folder.
        TfContact window(TfContact::Startup{{}, program.path(), false, home.path(), home.path()});
        EXPECT_TRUE(window.DebugEnabled()); // the user's Config.ini
        EXPECT_TRUE(dialogs.boxes.empty());
        EXPECT_EQ(window.sounds().cell(0, 0), QStringLiteral("Сообщение")); // a first start
        EXPECT_EQ(window.sounds().cell(1, 0), QStringLiteral("Файл"));
        // No file named before a row gets a message: an upload never meets a missing file.
        EXPECT_EQ(window.sounds().cell(1, 54), QString());
        EXPECT_EQ(window.sounds().soundHome(),
                  QDir(data.path()).filePath(QStringLiteral("Orvanta")));
    }
    QFile::remove(userConfig);
    qputenv("XDG_DATA_HOME", previousData);
    const QDir kept(QDir(data.path()).filePath(QStringLiteral("Orvanta")));
    EXPECT_TRUE(
        ReadSoundList(kept.filePath(QStringLiteral("sounds.txt"))).cells[3].trimmed().isEmpty());
    EXPECT_TRUE(QFile::exists(kept.filePath(QStringLiteral("messages.txt"))));
    EXPECT_FALSE(QFile::exists(QDir(home.path()).filePath(QStringLiteral("messages.txt"))));
}

// At start the keys go to the sound page's first button, never to a text field such as the
// port's; Qt's own buttons speak Russian whatever the machine's locale; the icon-only buttons
// have names a screen reader speaks.
TEST(MainWindow, StartsWithTheKeysOnAButtonAndQtsTextsInRussian)
{
    WindowFixture f;
    auto window = f.open();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QApplication::focusWidget());
    // The first button that can act: without a sound output here, recording cannot.
    EXPECT_TRUE(qobject_cast<QToolButton *>(QApplication::focusWidget()))
        << QApplication::focusWidget()->objectName().toStdString();
    QMessageBox box(QMessageBox::Question, QString(), QString(),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Да"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Отмена"));
    EXPECT_EQ(child<QWidget>(*window, "RecSB")->accessibleName(), QStringLiteral("Начать запись"));
    EXPECT_EQ(child<QWidget>(*window, "PlaySB")->accessibleName(), QStringLiteral("Воспроизвести"));
}

// Every control a user can act on has a name a screen reader speaks, made of the words beside or
// on it, on every page; none is named after its object name.
TEST(MainWindow, EveryControlHasANameAScreenReaderSpeaks)
{
    WindowFixture f;
    auto window = f.open();
    window->show();
    auto *pages = child<QTabWidget>(*window, "PageControl1");
    QStringList nameless;
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        for (QWidget *control : window->findChildren<QWidget *>()) {
            const bool actionable =
                qobject_cast<QAbstractButton *>(control) || qobject_cast<QLineEdit *>(control) ||
                qobject_cast<QComboBox *>(control) || qobject_cast<QAbstractSpinBox *>(control) ||
                qobject_cast<QAbstractItemView *>(control);
            if (!actionable || !control->isVisible() || control->focusPolicy() == Qt::NoFocus ||
                qobject_cast<QAbstractSpinBox *>(control->parentWidget()))
                continue;
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
            const QString name = face ? face->text(QAccessible::Name) : QString();
            // A combo box speaks its value as its name and its label through a relation.
            const bool labelled = !qobject_cast<QComboBox *>(control) ||
                                  !face->relations(QAccessible::Label).isEmpty();
            if (name.trimmed().isEmpty() || name == control->objectName() || !labelled)
                nameless << control->metaObject()->className() + QStringLiteral(" ") +
                                control->objectName();
        }
    }
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join(QStringLiteral(", ")).toStdString();
}

// Tab walks every page's controls in the order the eye reads them: row by row, left to right.
TEST(MainWindow, TabFollowsTheVisualOrderOnEveryPage)
{
    WindowFixture f;
    auto window = f.open();
    window->show();
    QApplication::setActiveWindow(window.get());
    auto *pages = child<QTabWidget>(*window, "PageControl1");
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QCoreApplication::processEvents();
        QWidget *sheet = pages->widget(page);
        SCOPED_TRACE(pages->tabText(page).toStdString());
        // The controls of the page the focus chain passes, in its order.
        std::vector<QWidget *> walk;
        QWidget *start = window.get();
        for (QWidget *w = start; walk.size() < 2000; w = w->nextInFocusChain()) {
            if (sheet->isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
                (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() &&
                !std::count(walk.begin(), walk.end(), w))
                walk.push_back(w);
            if (w->nextInFocusChain() == start)
                break;
        }
        for (size_t i = 1; i < walk.size(); ++i) {
            const QRect a(walk[i - 1]->mapTo(sheet, QPoint(0, 0)), walk[i - 1]->size());
            const QRect b(walk[i]->mapTo(sheet, QPoint(0, 0)), walk[i]->size());
            // Below, or on the same line and to the right; a line is where the boxes overlap.
            const bool sameLine = b.top() < a.bottom() && a.top() < b.bottom();
            EXPECT_TRUE(sameLine ? b.left() > a.left() : b.top() >= a.top())
                << walk[i - 1]->objectName().toStdString() << " then "
                << walk[i]->objectName().toStdString();
        }
    }
}

namespace {

// Every text the window shows or speaks: captions, hints, accessible names, tabs, titles of
// groups and columns, menu entries.
QStringList shownTexts(QWidget &window)
{
    QStringList texts{window.windowTitle()};
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        texts << widget->toolTip() << widget->accessibleName();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            texts << group->title();
        if (auto *tabs = qobject_cast<QTabWidget *>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        if (auto *view = qobject_cast<QAbstractItemView *>(widget); view && view->model())
            for (int i = 0; i < view->model()->columnCount(); ++i)
                texts << view->model()->headerData(i, Qt::Horizontal).toString();
        for (QAction *action : widget->actions())
            if (!action->objectName().startsWith(QLatin1String("Language")))
                texts << action->text();
    }
    texts.removeAll(QString());
    return texts;
}

QStringList withCyrillic(const QStringList &texts)
{
    QStringList found;
    for (const QString &text : texts)
        if (std::any_of(text.begin(), text.end(),
                        [](QChar c) { return c.script() == QChar::Script_Cyrillic; }))
            found << text;
    return found;
}

} // namespace

// The language chosen in the menu speaks at once in every text, Qt's own buttons included, and
// comes back at the next start; Config.ini and --lang override it; Russian returns word for word.
TEST(MainWindow, LanguageChosenInTheMenuSpeaksAtOnceAndIsKept)
{
    WindowFixture f;
    auto window = f.open();
    window->show();
    const QStringList russian = shownTexts(*window);
    ASSERT_FALSE(withCyrillic(russian).isEmpty());

    // Every page's caption fits the narrowest window in every language.
    auto *pages = child<QTabWidget>(*window, "PageControl1");
    window->resize(window->minimumWidth(), window->height());
    for (const char *language : {"Language_uk", "Language_en"}) {
        child<QAction>(*window, language)->trigger();
        QCoreApplication::processEvents(); // the change reaches the windows as an event
        EXPECT_LE(pages->tabBar()->sizeHint().width(), pages->width()) << language;
    }
    EXPECT_EQ(withCyrillic(shownTexts(*window)), QStringList());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Orvanta Panel Setup"));
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancel"));

    window.reset();
    window = f.open();
    EXPECT_TRUE(child<QAction>(*window, "Language_en")->isChecked());
    EXPECT_EQ(child<QAbstractButton>(*window, "Button1")->text(),
              QStringLiteral("Read settings from Orvanta"));

    // A first start fills the list in the language: no lists yet.
    window.reset();
    QFile::remove(QStringLiteral("messages.txt"));
    QFile::remove(QStringLiteral("sounds.txt"));
    window = f.open({QStringLiteral("--lang"), QStringLiteral("uk"), QStringLiteral("debug")});
    auto *list = child<QTableView>(*window, "SoundSG")->model();
    EXPECT_EQ(list->index(0, 0).data().toString(), QStringLiteral("Повідомлення 1"));
    EXPECT_EQ(list->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Повідомлення"));
    EXPECT_EQ(child<QAbstractButton>(*window, "Button1")->text(),
              QStringLiteral("Прочитати налаштування з \"Orvanta\""));
    EXPECT_TRUE(child<QWidget>(*window, "DebugGB")->isVisibleTo(window.get())); // DEBUG still first
    QMessageBox ukrainian(QMessageBox::Question, QString(), QString(), QMessageBox::Cancel);
    EXPECT_EQ(ukrainian.button(QMessageBox::Cancel)->text(), QStringLiteral("Скасувати"));

    WriteFile(QDir(f.binDir()).filePath(QStringLiteral("Config.ini")), "[Main]\nLanguage=ru\n");
    window.reset();
    WriteFile(QStringLiteral("messages.txt"), NumberedLines(55, "message "));
    WriteFile(QStringLiteral("sounds.txt"), NumberedLines(55, "sound "));
    window = f.open();
    EXPECT_EQ(shownTexts(*window), russian);
}
