#include "StartUp.h"

#include "ErrorReport.h"
#include "Screens.h"
#include "SingleInstance.h"
#include "Skin.h"
#include "StartupChecks.h"
#include "TMyHint.h"
#include "TfrmMain.h"
#include "TfrmMessage.h"
#include "TfrmMessage0.h"
#include "TfrmMsgBox.h"
#include "TfrmPodklad.h"
#include "TfrmProgress.h"

#include "aids/TfrmPomoc.h"
#include "aids/TfrmUstawienia.h"

#include "course/AppState.h"
#include "course/CourseModel.h"
#include "course/FieldOf.h"
#include "course/XmlReading.h"
#include "course/mainmenu/TfrmMainMenu.h"
#include "course/navigation/TfrmNawigacja.h"

#include "exercises/LearnerSettings.h"
#include "exercises/screens/wpisywanie/TfrmWpisywanie.h"

#include "pronunciation/media/TNagrywanie.h"
#include "pronunciation/media/TfrmMedia.h"

#include "controls/ResourceLibrary.h"
#include "controls/SkinFonts.h"
#include "controls/TEdListBox.h"

#include "users/RecordExerciseResult.h"
#include "users/TfrmInputPass.h"
#include "users/TfrmLogowanie.h"
#include "users/TfrmNewUser.h"

#include <QFile>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QScreen>

#include <memory>

KursApplication::KursApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool KursApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportUnhandledError();
    }
}

QString ReadInstalledLanguages(const QString& configPath)
{
    QFile file(configPath);
    if (!file.open(QIODevice::ReadOnly))
        throw ContentError(QStringLiteral("Cannot open file \"%1\". %2").arg(configPath, file.errorString()));
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return FieldOf(2, QString::fromLatin1(line), u'=');
}

namespace {

[[noreturn]] void Refuse(const QString& message, int exitCode)
{
    QMessageBox::warning(nullptr, QStringLiteral("Ostrzeżenie"), message);
    std::exit(exitCode);
}

// The long-lived windows, created once in this order and kept for the run.
struct Windows {
    // The sound-input check of the contents window, kept for the run.
    std::unique_ptr<TNagrywanie> Recorder;
    std::unique_ptr<TfrmPodklad> Podklad;
    std::unique_ptr<TfrmMain> Main;
    std::unique_ptr<TfrmNawigacja> Navigation;
    std::unique_ptr<TfrmNewUser> NewUser;
    std::unique_ptr<TfrmInputPass> InputPass;
    std::unique_ptr<TfrmMsgBox> MsgBox;
    std::unique_ptr<TfrmMedia> Media;
    std::unique_ptr<TfrmMainMenu> MainMenu;
    std::unique_ptr<TfrmMessage0> Message0;
    std::unique_ptr<TfrmUstawienia> Ustawienia;
    std::unique_ptr<TfrmProgress> Progress;
    std::unique_ptr<TfrmLogowanie> Login;
    std::unique_ptr<TfrmMessage> Message;
};

void CreateContentsWindow(Windows& windows)
{
    try {
        windows.Recorder = std::make_unique<TNagrywanie>();
    } catch (const ESndError&) {
        QMessageBox::warning(nullptr, QStringLiteral("Ostrzeżenie"),
                             QStringLiteral("Prawdopodobnie wystąpił błąd sterownika karty dźwiękowej. Dokonaj jego aktualizacji."));
        std::exit(StartupChecks::ExitFatal);
    }
    AppState& app = App();
    app.ExeDir = QCoreApplication::applicationDirPath();
    if (!Resources().load(app.ExeDir)) {
        QMessageBox::critical(nullptr, QStringLiteral("Błąd"), QStringLiteral("Brak biblioteki DLL!. Aplikacja zostanie zakończona!"));
        std::exit(StartupChecks::ExitFatal);
    }
    windows.Main = std::make_unique<TfrmMain>();
    // Read from the program folder, so that starting from another folder works too.
    app.InstalledLanguages = ReadInstalledLanguages(app.ContentPath(QStringLiteral("/Config"), QStringLiteral("Config.txt")));
}

void LoadHintTable()
{
    try {
        Course().LoadHints(App().ContentPath(QStringLiteral("/Config"), QStringLiteral("definitions.xml")), 0);
    } catch (const ContentError&) {
        QMessageBox::critical(nullptr, QStringLiteral("Błąd"),
                              QStringLiteral("Błąd podczas odczytu pliku definicji. Wykonywanie aplikacji zostało przerwane!"));
        std::exit(StartupChecks::ExitFatal);
    }
}

void RegisterScreens(Windows& windows)
{
    TfrmMain* main = windows.Main.get();
    auto showContents = [main] {
        main->show();
        main->raise();
        main->activateWindow();
        main->DrzewoCwiczen()->viewport()->update();
    };
    Screens::Register(Screens::ContentsFromExercise, showContents);
    Screens::Register(Screens::ContentsFromMenu, showContents);

    TfrmLogowanie* login = windows.Login.get();
    Screens::Register(Screens::Login, [login] { login->ShowLoginScreen(TfrmLogowanie::ProfileListMode); });
    Screens::Register(Screens::LanguageChoice, [login] { login->ShowLoginScreen(TfrmLogowanie::LanguageChoiceMode); });
    TfrmNawigacja* navigation = windows.Navigation.get();
    Screens::Register(Screens::CurrentElement, [navigation] {
        if (TElement* current = navigation->State().Current)
            navigation->OpenExercise(current->TypCw, current->FileName);
    });
    RegisterGapTypingScreen();
    TfrmMainMenu* menu = windows.MainMenu.get();
    Screens::Register(Screens::MainMenu, [menu] {
        menu->show();
        menu->raise();
        menu->activateWindow();
    });
}

// What the windows ask of each other.
void ConnectWindows(Windows& windows)
{
    TfrmMain* main = windows.Main.get();
    TfrmUstawienia* settings = windows.Ustawienia.get();
    QObject::connect(main, &TfrmMain::helpRequested, main, [main](const QString& page) { OpenHelp(page, main); });
    QObject::connect(windows.Login.get(), &TfrmLogowanie::languageChosen, main, [main, settings](int language) {
        settings->FillLanguageList(language);
        main->Inicjalizacja();
    });
    QObject::connect(settings, &TfrmUstawienia::reinitialiseRequested, main, &TfrmMain::Inicjalizacja);

    TfrmNawigacja* navigation = windows.Navigation.get();
    navigation->RecordExerciseResult = [](QWidget* screen) { RecordExerciseResult(screen); };
    navigation->OpenHelp = [](const QString& page, QWidget* owner) { OpenHelp(page, owner); };
    ResultRecording::SetCurrentElementSource([navigation] { return navigation->State().Current; });
    SetLearnerSettingsSource([main] {
        const TUser& user = main->User();
        return LearnerSettings{user.CaseSensitive, user.DictionaryOnRightClick};
    });
    QObject::connect(main, &TfrmMain::elementOpened, navigation, &TfrmNawigacja::SetCurrentElement);
    QObject::connect(windows.MainMenu.get(), &TfrmMainMenu::currentElementChosen, navigation, [navigation](TElement* element) {
        navigation->SetCurrentElement(element);
        ShowCurrentScreen();
    });
    QObject::connect(windows.MainMenu.get(), &TfrmMainMenu::settingsRequested, settings, &QDialog::exec);
}

int Run(Windows& windows)
{
    using namespace StartupChecks;
    SingleInstance instance;
    if (instance.AlreadyRunning())
        Refuse(QStringLiteral("Program Kurs językowy jest już uruchomiony."), ExitSecondInstance);

    QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen->geometry().size();
    if (ScreenTooSmall(size.width(), size.height()))
        Refuse(QStringLiteral("Program należy uruchamiać w rozdzielczości 1024 x 768 pikseli lub większej."),
               ExitScreenTooSmall);
    if (DpiRejected(qRound(screen->logicalDotsPerInch())))
        Refuse(QStringLiteral("Program wymaga rozdzielczości czcionki 96 DPI (rozmiar domyślny)."), ExitWrongDpi);

    App().PrinterPresent = !QPrinterInfo::availablePrinterNames().isEmpty();
    QApplication::setApplicationDisplayName(QStringLiteral("Kurs językowy"));
    RegisterSkinFonts();
    TMyHint::Install();
    ErrorReport::Install();

    windows.Podklad = std::make_unique<TfrmPodklad>();
    WarmUpSkinFonts();
    CreateContentsWindow(windows);
    // The navigation controller: its creation loads the hint table.
    windows.Navigation = std::make_unique<TfrmNawigacja>(windows.Podklad->Timer());
    LoadHintTable();
    windows.NewUser = std::make_unique<TfrmNewUser>();
    windows.InputPass = std::make_unique<TfrmInputPass>();
    windows.MsgBox = std::make_unique<TfrmMsgBox>();
    SetMsgBoxWindow(windows.MsgBox.get());
    SkinWindow(windows.MsgBox.get());
    windows.Media.reset(CreateMediaWindow());
    windows.MainMenu = std::make_unique<TfrmMainMenu>(windows.Main->User());
    windows.Message0 = std::make_unique<TfrmMessage0>();
    SkinWindow(windows.Message0.get());
    windows.Ustawienia = std::make_unique<TfrmUstawienia>(windows.Main->User());
    windows.Progress = std::make_unique<TfrmProgress>();
    SetProgressWindow(windows.Progress.get());
    windows.Login = std::make_unique<TfrmLogowanie>(windows.Main->User(), *windows.NewUser, *windows.InputPass);
    windows.Progress->RegisterDisabledWindow(true, windows.Login.get());
    windows.Progress->RegisterDisabledWindow(true, windows.Ustawienia.get());
    windows.Message = std::make_unique<TfrmMessage>();
    SkinWindow(windows.Message.get());
    RegisterScreens(windows);
    ConnectWindows(windows);

    windows.Podklad->showFullScreen();
    App().ScreenState = Screens::Login;
    windows.Main->User().PanelTop = -1;
    ShowCurrentScreen();
    return QApplication::exec();
}

} // namespace

int RunCourseProgram(int argc, char** argv)
{
    // A desktop scaled by a whole factor (2x at 192 DPI) keeps 96 logical DPI;
    // fractional factors are not applied, so 120 DPI stays 120 and is refused.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    KursApplication application(argc, argv);
    Windows windows;
    try {
        return Run(windows);
    } catch (...) {
        ReportUnhandledError();
    }
}
