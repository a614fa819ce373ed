#include "app/CStudyDeckDlg.h"

#include "app/AppPaths.h"
#include "app/BookChoicePanel.h"
#include "app/CDlgCanshuSet.h"
#include "app/CDlgTimerSet.h"
#include "app/CSplashWnd.h"
#include "app/FirstStart.h"
#include "app/GbkText.h"
#include "app/SpeechLibraryBuilder.h"
#include "app/StudyCommands.h"
#include "app/StudyPanelPainter.h"
#include "app/WordDetailPainter.h"
#include "audio/CAudioBase.h"
#include "audio/CTtsVoice.h"
#include "audio/Pronounce.h"
#include "audio/QtPcmOutput.h"
#include "base/CIniProfile.h"
#include "base/Paths.h"
#include "leisure/CTrayIcon.h"
#include "skin/SkinFiles.h"
#include "study/CWordStudy.h"
#include "study/Enlighten.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

const QString kTitle = QStringLiteral("岚溪词苑");
const QString kSoon = QStringLiteral("即将推出");
constexpr int kTrayIconId = 7;
constexpr int kTimerPeriodMs = 1000;
// The default book a learner gets when the profile names none that can be read.
const char* const kDefaultCategory = "其它";
const char* const kDefaultBook = "英语精选1000词.bte";
// Pressing here suspends the quiz keys (the typing field of the study screens lies over it).
const QRect kKeysSquare(QPoint(649, 423), QPoint(667, 441));
// The dark word card: after an answer a click here moves on.
const QRect kWordArea(QPoint(140, 168), QPoint(625, 277));

// Milliseconds since this process was started (the kernel's start time, so loading before main counts).
qint64 msSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const size_t paren = text.rfind(')');
    if (paren == std::string::npos)
        return -1;
    // Fields after the command name start with field 3 (state); the start time is field 22.
    std::istringstream fields(text.substr(paren + 1));
    std::string field;
    for (int i = 3; i < 22 && fields >> field; ++i) {
    }
    unsigned long long start = 0;
    if (!(fields >> start))
        return -1;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double startMs = 1000.0 * static_cast<double>(start) / static_cast<double>(sysconf(_SC_CLK_TCK));
    return static_cast<qint64>(static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6 -
                               startMs);
}

QString problemText(const vt::FileProblem& p) {
    return fromGbk(p.path) + QStringLiteral("（") + QString::fromStdString(p.detail) + QStringLiteral("）");
}

} // namespace

CStudyDeckDlg::CStudyDeckDlg(std::unique_ptr<vt::PcmOutput> output, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_output(std::move(output)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    installDefaultHooks();

    m_books = new BookChoicePanel(this);
    m_edit = new QPlainTextEdit(this);
    m_edit->setObjectName(QStringLiteral("editField"));
    m_edit->setFocusPolicy(Qt::ClickFocus);
    m_edit->setFrameShape(QFrame::NoFrame);
    m_edit->setStyleSheet(QStringLiteral("QPlainTextEdit { background: white; color: #1e3a5c; border: 1px solid "
                                         "#c8d6e5; border-radius: 6px; font-size: 13px; }"));
    m_edit->hide();

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setStyleSheet(QStringLiteral("QLabel { background: rgba(30, 58, 92, 225); color: white; "
                                         "border-radius: 8px; padding: 8px 18px; font-size: 16px; }"));
    m_note->hide();
    m_noteTimer.setSingleShot(true);
    connect(&m_noteTimer, &QTimer::timeout, m_note, &QLabel::hide);

    m_speechStatus = new QLabel(this);
    m_speechStatus->setObjectName(QStringLiteral("speechStatus"));
    m_speechStatus->setStyleSheet(QStringLiteral("QLabel { color: white; font-size: 12px; }"));
    m_speechStatus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_speechStatus->hide();

    m_timer.setInterval(kTimerPeriodMs);
    connect(&m_timer, &QTimer::timeout, this, &CStudyDeckDlg::timerTick);
    m_exitAfterFirstPaint = qEnvironmentVariable("VERBATROVE_EXIT_AFTER_FIRST_WORD") == QLatin1String("1");
}

CStudyDeckDlg::~CStudyDeckDlg() {
    delete m_splash;
}

void CStudyDeckDlg::installDefaultHooks() {
    m_hooks.message = [this](const QString& text) { QMessageBox::information(this, kTitle, text); };
    m_hooks.rangeDialog = [this](RangeValues& v) {
        CDlgFanWei d(v, this);
        if (d.exec() != QDialog::Accepted)
            return false;
        v = d.result();
        return true;
    };
    m_hooks.timerDialog = [this](int& seconds) {
        CDlgTimerSet d(seconds, this);
        if (d.exec() != QDialog::Accepted)
            return false;
        seconds = d.value();
        return true;
    };
    m_hooks.parameterDialog = [this](int& speed) {
        CDlgCanshuSet d(speed, this);
        if (d.exec() != QDialog::Accepted)
            return false;
        speed = d.value();
        return true;
    };
    m_hooks.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    m_hooks.offerSpeechBuild = [this](std::function<void()> accept) {
        auto* box = new QMessageBox(QMessageBox::Question, kTitle,
                                    QStringLiteral("单词语音库还是空的。要在后台用语音合成为词库生成单词发音吗？\n"
                                                   "生成期间可以照常学习。"),
                                    QMessageBox::Yes | QMessageBox::No, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        connect(box, &QMessageBox::finished, this, [box, accept](int) {
            if (box->clickedButton() == box->button(QMessageBox::Yes))
                accept();
        });
        box->show();
    };
}

// ---- start-up ----

void CStudyDeckDlg::start() {
    // Splash and tray icon first, so the learner sees something while the rest loads.
    if (!m_exitAfterFirstPaint) {
        m_splash = new CSplashWnd;
        m_splash->show();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    m_tray = new CTrayIcon(this);
    m_tray->Create(this, kTrayIconId, CSplashWnd::appIcon(), kTitle);
    if (QMenu* menu = m_tray->menu()) {
        menu->addSeparator();
        menu->addAction(QStringLiteral("关于 岚溪词苑(&A)..."), this, &CStudyDeckDlg::showAbout);
    }
    connect(m_tray, &CTrayIcon::commandChosen, this, &CStudyDeckDlg::onTrayCommand);

    m_baseFolder = AppPaths::baseFolder();
    m_programFolder = AppPaths::programFolder();
    firstStart();

    setWindowIcon(CSplashWnd::appIcon());
    m_mode = vt::ModeMain;
    loadSkin();
    loadLearner();
    setFocus();
    startAudio();
    setWindowTitle(kTitle);
    m_help.load(m_programFolder);

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    show();
    if (m_splash) {
        m_splash->close();
        delete m_splash;
        m_splash = nullptr;
    }
    if (m_voice)
        m_voice->ApplyStartupPreference();
    m_timer.start();
    activateWindow();
    if (!m_exitAfterFirstPaint && speechFolderEmpty(m_baseFolder))
        QTimer::singleShot(0, this, &CStudyDeckDlg::offerSpeechLibrary);
}

void CStudyDeckDlg::firstStart() {
    const FirstStartResult r = installDefaultData(m_programFolder, m_baseFolder);
    if (!r.ok) {
        const QString text = QStringLiteral("无法准备学习文件夹，有些功能可能不能用：\n") + r.problems.join('\n');
        QTimer::singleShot(0, this, [this, text] { showMessage(text); });
    }
}

void CStudyDeckDlg::loadLearner() {
    m_profile = std::make_unique<vt::CIniProfile>(vt::defaultProfilePath());
    m_study = std::make_unique<vt::CWordStudy>(*m_profile, toGbkText(m_baseFolder),
                                               static_cast<uint32_t>(std::time(nullptr)));
    const vt::StudyReport report = m_study->loadWordSets();
    QStringList notes;
    if (report.has(vt::StudyFile::Book)) {
        const std::string cat = vt::gbk(kDefaultCategory), book = vt::gbk(kDefaultBook);
        const QString old = fromGbk(m_study->settings().filebookname);
        vt::FileProblem why;
        if (m_study->chooseBook(cat, book, &why))
            notes << QStringLiteral("无法载入书本“%1”，已改用默认书本“英语精选1000词”。").arg(old);
        else
            notes << QStringLiteral("无法载入书本“%1”，默认书本也无法载入：%2").arg(old, problemText(why));
    }
    for (const vt::FileProblem& p : report.problems) {
        switch (p.file) {
        case vt::StudyFile::GeneralLibrary:
            notes << QStringLiteral("无法载入通用词库：") + problemText(p);
            break;
        case vt::StudyFile::CommonLibrary:
            notes << QStringLiteral("无法载入常用词库：") + problemText(p);
            break;
        case vt::StudyFile::NewWordsBook:
            notes << QStringLiteral("无法使用生词本：") + problemText(p);
            break;
        case vt::StudyFile::Folder:
            notes << QStringLiteral("无法创建文件夹：") + problemText(p);
            break;
        case vt::StudyFile::Learner:
            notes << QStringLiteral("配置中的用户名不能用作文件名，已改用“%1”。").arg(fromGbk(m_study->learner()));
            break;
        default:
            break;
        }
    }
    // The first word group: the study list of the current range, ready for the first mode.
    m_study->rebuildStudyList();
    if (!notes.isEmpty()) {
        const QString text = notes.join('\n');
        QTimer::singleShot(0, this, [this, text] { showMessage(text); });
    }
}

void CStudyDeckDlg::startAudio() {
    if (!m_output)
        m_output = std::make_unique<vt::QtPcmOutput>();
    m_audio = std::make_unique<vt::CAudioBase>(*m_output);
    std::string msg;
    m_audio->OpenOutput(8, 11000, &msg);
    m_voice = std::make_unique<vt::CTtsVoice>(*m_audio);
    if (!msg.empty() && !m_exitAfterFirstPaint) {
        const QString text = QStringLiteral("没有可用的声音设备，单词不会读出（%1）").arg(QString::fromStdString(msg));
        QTimer::singleShot(0, this, [this, text] { showNote(text); });
    }
}

void CStudyDeckDlg::offerSpeechLibrary() {
    // An offer shown while a start-up message box is up would sit over it and could not be clicked.
    if (m_modalDepth > 0 || QApplication::activeModalWidget()) {
        QTimer::singleShot(300, this, &CStudyDeckDlg::offerSpeechLibrary);
        return;
    }
    if (m_hooks.offerSpeechBuild)
        m_hooks.offerSpeechBuild([this] { startSpeechBuild(); });
}

void CStudyDeckDlg::startSpeechBuild() {
    if (m_speechBuilder)
        return;
    m_speechBuilder = new SpeechLibraryBuilder(this);
    connect(m_speechBuilder, &SpeechLibraryBuilder::progress, this, [this](int done, int total) {
        const QString text = QStringLiteral("正在生成单词语音 %1 / %2").arg(done).arg(total);
        m_speechStatus->setText(text);
        layoutWidgets();
        if (m_tray)
            m_tray->SetTooltipText(kTitle + QStringLiteral(" - ") + text);
    });
    connect(m_speechBuilder, &SpeechLibraryBuilder::finished, this, [this](bool ok, const QString& summary) {
        m_speechStatus->hide();
        if (m_tray)
            m_tray->SetTooltipText(kTitle);
        showNote(ok ? QStringLiteral("单词语音已生成") : QStringLiteral("单词语音没有全部生成：") + summary);
        m_speechBuilder->deleteLater();
        m_speechBuilder = nullptr;
    });
    const QStringList libraries = {m_baseFolder + QStringLiteral("data/vtgeneral.ree"),
                                   QString::fromStdString(vt::fsName(m_study->bookPath()))};
    m_speechStatus->setText(QStringLiteral("正在准备单词语音…"));
    layoutWidgets();
    m_speechBuilder->start(libraries, m_baseFolder);
}

// ---- skins, modes, widgets ----

void CStudyDeckDlg::loadSkin() {
    const QString ini = m_programFolder + QStringLiteral("skin/") + QString::fromLatin1(vt::kDefaultSkinSet) + '/' +
                        QString::fromUtf8(vt::kSkinFiles[m_mode]);
    const bool iniRead = m_skin.load(ini);
    reportDamagedSkin(iniRead, QString::fromUtf8(vt::kSkinFiles[m_mode]));
    const QSize size = m_skin.viewSize();
    if (this->size() != size)
        setFixedSize(size);
    if (!m_skin.windowShape().isEmpty())
        setMask(m_skin.windowShape());
    m_helpText.clear();
    m_enlightened.reset();
    layoutWidgets();
    refresh();
}

// A skin with missing files leaves buttons (even "Back") invisible: say once per screen what is missing, so the
// learner knows the installation is damaged rather than the program stuck.
void CStudyDeckDlg::reportDamagedSkin(bool iniRead, const QString& iniName) {
    const unsigned bit = 1u << m_mode;
    if (m_skinReported & bit)
        return;
    QStringList missing;
    if (!iniRead) {
        missing << iniName;
    } else {
        const vt::SkinElement* view = &m_skin.view();
        for (int i = -1; i < m_skin.buttonCount(); ++i) {
            const vt::SkinElement& e = i < 0 ? *view : m_skin.button(i);
            if (!e.imageName().empty() && !e.hasImage() && !missing.contains(fromGbk(e.imageName())))
                missing << fromGbk(e.imageName());
        }
    }
    if (missing.isEmpty())
        return;
    m_skinReported |= bit;
    QString text = QStringLiteral("界面文件不完整，这一屏有些部分无法显示（缺少 %1）。请重新安装程序。")
                       .arg(missing.join(QStringLiteral("、")));
    if (m_mode != vt::ModeMain)
        text += QStringLiteral("\n在窗口上点右键可以返回主界面。");
    QTimer::singleShot(0, this, [this, text] { showMessage(text); });
}

void CStudyDeckDlg::layoutWidgets() {
    if (StudyCommands::isStudyMode(m_mode)) {
        QRect r = m_skin.layoutRect("edit");
        if (r.isValid()) {
            m_edit->setGeometry(r.adjusted(1, 1, -1, -1));
            m_edit->show();
        } else {
            m_edit->hide();
        }
    } else {
        m_edit->hide();
    }
    if (m_mode == 2)
        m_books->show(m_skin.layoutRect("leftList"), m_skin.layoutRect("rightList"));
    else
        m_books->hide();
    // Speech progress goes into the title bar where it is free; the study screens keep their status lines
    // there, so the tray tooltip carries it meanwhile.
    const bool building = m_speechBuilder && !m_speechStatus->text().isEmpty();
    m_speechStatus->setGeometry(m_mode == vt::ModeMain ? QRect(150, 18, 336, 20) : QRect(340, 18, 376, 20));
    m_speechStatus->setVisible(building && !StudyCommands::isStudyMode(m_mode));
}

void CStudyDeckDlg::setMode(int mode) {
    m_mode = mode;
    loadSkin();
}

void CStudyDeckDlg::enterMode() {
    m_keysSuspended = false;
    const vt::NextResult r = m_study->enterMode(m_mode);
    if (StudyCommands::isStudyMode(m_mode)) {
        syncStudyButtons();
        handleNext(r);
        afterQuestionChange();
    } else if (m_mode == 2) {
        m_books->listCategory(m_study->baseFolder(), m_study->settings().bookclass);
        m_books->selectFile(m_study->settings().filebookname);
    } else if (m_mode == vt::ModeMp3) {
        m_keysSuspended = true;
    } else if (m_mode == 7) {
        m_study->timer().start();
    }
    refresh();
}

void CStudyDeckDlg::goBack() {
    m_study->timer().stop();
    saveAll();
    setMode(vt::ModeMain);
}

void CStudyDeckDlg::setButtonSelected(int index, bool selected) {
    vt::SkinElement& b = m_skin.button(index);
    if (b.isTwoState())
        b.setFrame(selected ? b.stateUp() : b.stateDown());
}

void CStudyDeckDlg::syncStudyButtons() {
    const vt::ModeOptions& o = m_study->options();
    const bool flags[] = {o.yinbiao, o.daxie, o.fayin, o.duju, o.danci};
    for (int i = 0; i < m_skin.buttonCount(); ++i) {
        const std::string& name = m_skin.button(i).name();
        if (int t = StudyCommands::toggleForButton(name); t >= 0)
            setButtonSelected(i, flags[t]);
        else if (int m = StudyCommands::methodForButton(name))
            setButtonSelected(i, m == m_study->method());
        else if (int ord = StudyCommands::orderForButton(name); ord >= 0)
            setButtonSelected(i, ord == m_study->order());
        else if (name == "Start Timer")
            setButtonSelected(i, false);
    }
    syncLevelButtons();
}

void CStudyDeckDlg::syncLevelButtons() {
    const bool has = m_study->hasWord();
    const int level = m_study->question().level;
    for (int i = 0; i < m_skin.buttonCount(); ++i) {
        const int l = StudyCommands::levelForButton(m_skin.button(i).name());
        if (l >= 0)
            setButtonSelected(i, has && l == level);
    }
}

// ---- commands ----

void CStudyDeckDlg::dispatch(const std::string& name) {
    if (name == "System") {
        showNote(QStringLiteral("小贴士") + kSoon);
        return;
    }
    if (name == "Close") {
        closeProgram();
        return;
    }
    if (name == "Minimize") {
        showMinimized();
        setWindowTitle(kTitle);
        return;
    }
    if (name == "Back" || name == "Back2") {
        goBack();
        return;
    }
    switch (m_mode) {
    case vt::ModeMain: {
        m_skipPronounce = true;
        if (name == "Help")
            m_hooks.openUrl(QUrl(QStringLiteral("https://verbatrove.example.org/help")));
        if (name == "Introduction")
            m_hooks.openUrl(QUrl(QStringLiteral("https://verbatrove.example.org/")));
        const int mode = StudyCommands::modeForButton(name);
        if (mode > 0)
            m_mode = mode;
        loadSkin();
        enterMode();
        return;
    }
    case 1:
    case 3:
    case 4:
    case 5: {
        const int index = m_skin.indexOf(name);
        dispatchStudy(name, index);
        return;
    }
    case 2:
        dispatchBookChoice(name);
        return;
    case 6:
        if (name == "Words Bible" || name == "Up Show" || name == "Title Bar" || name == "Full Screen")
            showNote(QString::fromStdString(name) + QStringLiteral("：") + kSoon);
        return;
    case 8:
        if (name == "Word output" || name == "Make")
            showNote(QStringLiteral("MP3 制作") + kSoon);
        return;
    case 10:
        if (name == "Book Management" || name == "System Management")
            showNote((name == "Book Management" ? QStringLiteral("词库管理") : QStringLiteral("系统设置")) + kSoon);
        return;
    default:
        return;
    }
}

void CStudyDeckDlg::dispatchStudy(const std::string& name, int index) {
    if (!StudyCommands::honoured(m_mode, name))
        return;
    const vt::SkinElement* button = index >= 0 ? &m_skin.button(index) : nullptr;
    const bool selected = button && button->isSelected();
    vt::ModeOptions& o = m_study->options();

    if (name == "Play") {
        playTypedWord();
    } else if (name == "Newwords") {
        switch (m_study->addCurrentToNewWords()) {
        case vt::NewWordResult::Added:
            showNote(QStringLiteral("已加入生词本"));
            break;
        case vt::NewWordResult::AlreadyThere:
            showNote(QStringLiteral("生词本里已有这个单词"));
            break;
        case vt::NewWordResult::NoWord:
            showNote(QStringLiteral("现在没有单词"));
            break;
        case vt::NewWordResult::Unavailable:
            showNote(QStringLiteral("生词本无法使用"));
            break;
        }
    } else if (name == "Enlighten") {
        enlighten();
    } else if (name == "Pronounce") {
        pronounceCurrent(true);
    } else if (name == "Time") {
        openTimerDialog();
    } else if (name == "Parameter") {
        openParameterDialog();
    } else if (name == "Range") {
        openRangeDialog();
    } else if (name == "Forward") {
        advanceCommand();
    } else if (name == "Backward") {
        m_study->previousWord();
        afterQuestionChange();
        pronounceIfDue();
    } else if (int item = StudyCommands::itemForButton(name); item >= 0) {
        m_study->answerOption(item + 1);
        afterQuestionChange();
        pronounceIfDue();
    } else if (int method = StudyCommands::methodForButton(name)) {
        handleNext(m_study->chooseMethod(method));
        afterQuestionChange();
    } else if (int order = StudyCommands::orderForButton(name); order >= 0) {
        handleNext(m_study->chooseOrder(order));
        afterQuestionChange();
    } else if (int t = StudyCommands::toggleForButton(name); t >= 0) {
        bool* flags[] = {&o.yinbiao, &o.daxie, &o.fayin, &o.duju, &o.danci};
        *flags[t] = selected;
        afterQuestionChange();
    } else if (name == "Start Timer") {
        if (selected)
            m_study->timer().start();
        else
            m_study->timer().stop();
    } else if (int level = StudyCommands::levelForButton(name); level >= 0) {
        if (selected)
            m_study->setLevel(level);
        syncLevelButtons();
        m_panel = StudyPanelPainter::figures(*m_study);
    }
    refresh();
}

void CStudyDeckDlg::dispatchBookChoice(const std::string& name) {
    const QString category = StudyCommands::categoryForButton(name);
    if (!category.isEmpty()) {
        m_books->listCategory(m_study->baseFolder(), toGbkText(category));
    } else if (name == "Select Book") {
        const std::string file = m_books->selectedFile();
        vt::FileProblem why;
        const bool ok = !file.empty() && m_study->chooseBook(m_books->category(), file, &why);
        showMessage(ok ? QStringLiteral("载入成功!") : QStringLiteral("载入失败!"));
    } else if (name == "leftleft" || name == "leftright") {
        m_books->pageLeft(name == "leftleft" ? -1 : 1);
    } else if (name == "rightleft" || name == "rightright") {
        m_books->pageRight(name == "rightleft" ? -1 : 1);
    } else if (name == "More Words") {
        m_hooks.openUrl(QUrl(QStringLiteral("https://verbatrove.example.org/download")));
    }
    refresh();
}

void CStudyDeckDlg::advanceCommand() {
    const vt::AdvanceResult r = m_study->advance();
    if (r.action == vt::AdvanceAction::NextWord)
        handleNext(r.next);
    afterQuestionChange();
    pronounceIfDue();
}

// Showing a question clears the elapsed seconds, the keys-suspended flag and any memory aid on screen.
void CStudyDeckDlg::afterQuestionChange() {
    m_study->timer().resetElapsed();
    m_keysSuspended = false;
    m_enlightened.reset();
    const vt::QuestionRecord& q = m_study->question();
    const QString extended = WordDetailPainter::extendedRemainder(q);
    if (m_edit->toPlainText() != extended && !m_edit->hasFocus())
        m_edit->setPlainText(extended);
    syncLevelButtons();
    m_panel = StudyPanelPainter::figures(*m_study);
    refresh();
}

void CStudyDeckDlg::handleNext(vt::NextResult result) {
    if (result == vt::NextResult::Shown) {
        m_lastFallback = result;
        return;
    }
    // Each fallback is told once; repeating it on every timer tick would bury the learner in boxes.
    if (result != m_lastFallback) {
        m_lastFallback = result;
        showMessage(fromGbk(vt::fallbackMessage(result)));
    }
    // The engine has widened the range to every unmastered word: go on with one of them at once.
    if (result == vt::NextResult::RangeEmptyUsingAll && m_study->nextWordRequest() == vt::NextResult::Shown)
        m_lastFallback = vt::NextResult::Shown;
}

void CStudyDeckDlg::pronounceIfDue() {
    const bool due = m_study->options().fayin && !m_skipPronounce;
    m_skipPronounce = false;
    if (due)
        pronounceCurrent(false);
}

void CStudyDeckDlg::pronounceCurrent(bool withSentence) {
    if (!m_audio || !m_voice || !m_study->hasWord())
        return;
    const std::string word = m_study->currentWord().m_word;
    const std::string example = m_study->currentWord().m_firstExample;
    // The new frame is on screen before the (possibly synthesised) word is heard.
    renderFrame();
    repaint();
    std::string msg;
    vt::PronounceWord(*m_audio, *m_voice, m_study->baseFolder(), word, &msg);
    if (!msg.empty())
        showNote(QStringLiteral("没有可用的声音设备（%1）").arg(QString::fromStdString(msg)));
    if (withSentence && m_study->options().duju && !example.empty()) {
        QTimer::singleShot(1000, this, [this, example] {
            if (m_voice)
                m_voice->SpeakText(example);
        });
    }
}

void CStudyDeckDlg::playTypedWord() {
    QString text = m_edit->textCursor().selectedText().trimmed();
    if (text.isEmpty()) {
        const QString all = m_edit->toPlainText().trimmed();
        static const QRegularExpression oneWord(QStringLiteral("^[A-Za-z][A-Za-z' -]{0,40}$"));
        if (oneWord.match(all).hasMatch())
            text = all;
    }
    std::string word = text.isEmpty() ? m_study->currentWord().m_word : toGbkText(text);
    if (word.empty() || !m_audio || !m_voice)
        return;
    std::string msg;
    vt::PronounceWord(*m_audio, *m_voice, m_study->baseFolder(), word, &msg);
    if (!msg.empty())
        showNote(QStringLiteral("没有可用的声音设备（%1）").arg(QString::fromStdString(msg)));
}

void CStudyDeckDlg::enlighten() {
    if (!m_study->hasWord())
        return;
    std::string aid = vt::buildEnlightenAid(m_study->currentWord());
    for (size_t at; (at = aid.find("\r\n")) != std::string::npos;)
        aid.replace(at, 2, "\n");
    while (!aid.empty() && aid.back() == '\n')
        aid.pop_back();
    vt::QuestionRecord q = m_study->question();
    q.meaning = vt::gbk("启发记忆: ");
    q.example = aid;
    q.inflections.clear();
    q.english.clear();
    q.testPoints.clear();
    q.usage.clear();
    m_enlightened = q;
    refresh();
}

void CStudyDeckDlg::openRangeDialog() {
    const vt::RangeSpec r = m_study->range();
    RangeValues v;
    v.kind = r.kind;
    v.errRatio = r.errRatio;
    v.level = r.level;
    v.pattern = fromGbk(r.pattern);
    v.start = r.start;
    v.end = r.end;
    v.count = std::max(1, m_study->rangeSourceCount());
    ++m_modalDepth;
    const bool ok = m_hooks.rangeDialog(v);
    --m_modalDepth;
    if (!ok)
        return;
    vt::RangeSpec n;
    n.kind = v.kind;
    n.errRatio = v.errRatio;
    n.level = v.level;
    n.pattern = toGbkText(v.pattern);
    n.start = v.start;
    n.end = v.end;
    handleNext(m_study->applyRange(n));
    afterQuestionChange();
}

void CStudyDeckDlg::openTimerDialog() {
    int seconds = vt::ModeOptions::readTimer(*m_profile, m_study->learner());
    ++m_modalDepth;
    const bool ok = m_hooks.timerDialog(seconds);
    --m_modalDepth;
    if (!ok)
        return;
    if (!m_study->setTimerInterval(seconds))
        showMessage(QStringLiteral("无法保存定时设置：") + QString::fromStdString(m_profile->lastError()));
}

void CStudyDeckDlg::openParameterDialog() {
    int speed = m_study->settings().speed;
    ++m_modalDepth;
    const bool ok = m_hooks.parameterDialog(speed);
    --m_modalDepth;
    if (ok)
        m_study->settings().speed = speed;
}

// ---- timer ----

void CStudyDeckDlg::timerTick() {
    if (m_modalDepth > 0 || !m_study)
        return;
    if (StudyCommands::isStudyMode(m_mode)) {
        vt::AdvanceResult r;
        if (m_study->tick(&r)) {
            if (r.action == vt::AdvanceAction::NextWord)
                handleNext(r.next);
            afterQuestionChange();
            pronounceIfDue();
        }
        refresh();
    } else if (m_mode == vt::ModeEntertainment) {
        vt::AdvanceResult r;
        m_study->tick(&r);
    }
}

// ---- saving and closing ----

bool CStudyDeckDlg::saveAll() {
    if (!m_study)
        return true;
    const vt::StudyReport report = m_study->saveOptions();
    if (report.ok())
        return true;
    QStringList lines;
    for (const vt::FileProblem& p : report.problems)
        lines << (p.file == vt::StudyFile::Profile
                      ? QStringLiteral("配置文件：") + QString::fromStdString(m_profile->lastError())
                      : problemText(p));
    showMessage(QStringLiteral("有些学习记录没能保存：\n") + lines.join('\n'));
    return false;
}

void CStudyDeckDlg::closeProgram() {
    if (m_closing)
        return;
    m_closing = true;
    m_timer.stop();
    saveAll();
    hide();
    if (m_tray)
        m_tray->Remove();
    emit closed();
}

void CStudyDeckDlg::closeEvent(QCloseEvent* event) {
    closeProgram();
    event->accept();
}

void CStudyDeckDlg::onTrayCommand(int command) {
    switch (command) {
    case CTrayIcon::kUpShow:
    case CTrayIcon::kFullScreen:
    case CTrayIcon::kTitleBar:
        showNote(kSoon);
        break;
    case CTrayIcon::kNormalMode:
        m_study->timer().stop();
        showNormal();
        raise();
        activateWindow();
        break;
    case CTrayIcon::kGame:
        m_study->timer().stop();
        setMode(7);
        enterMode();
        break;
    case CTrayIcon::kExit:
        closeProgram();
        break;
    default:
        break;
    }
}

void CStudyDeckDlg::showAbout() {
    ++m_modalDepth;
    QMessageBox about(
        QMessageBox::NoIcon, QStringLiteral("关于 岚溪词苑"),
        QStringLiteral("岚溪词苑 %1\n背单词，从容一点。").arg(QString::fromUtf8(CSplashWnd::kVersionText)),
        QMessageBox::Ok, this);
    about.setIconPixmap(CSplashWnd::appIcon().pixmap(48, 48));
    about.exec();
    --m_modalDepth;
}

void CStudyDeckDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    // Works without the skin's "Back" button, e.g. when its image is missing.
    if (m_mode != vt::ModeMain)
        menu.addAction(QStringLiteral("返回主界面"), this, [this] { dispatch("Back"); });
    menu.addAction(QStringLiteral("最小化"), this, [this] { dispatch("Minimize"); });
    menu.addSeparator();
    menu.addAction(QStringLiteral("关于 岚溪词苑(&A)..."), this, &CStudyDeckDlg::showAbout);
    menu.addAction(QStringLiteral("退出"), this, &CStudyDeckDlg::closeProgram);
    menu.exec(event->globalPos());
}

void CStudyDeckDlg::showNote(const QString& text) {
    m_note->setText(text);
    m_note->adjustSize();
    m_note->move((width() - m_note->width()) / 2, 64);
    m_note->raise();
    m_note->show();
    m_noteTimer.start(2500);
}

QString CStudyDeckDlg::noteText() const {
    return m_note->isVisible() ? m_note->text() : QString();
}

void CStudyDeckDlg::showMessage(const QString& text) {
    ++m_modalDepth;
    m_hooks.message(text);
    --m_modalDepth;
}

// ---- painting ----

void CStudyDeckDlg::refresh() {
    m_dirty = true;
    update();
}

const vt::QuestionRecord& CStudyDeckDlg::displayedQuestion() const {
    return m_enlightened ? *m_enlightened : m_study->question();
}

const QImage& CStudyDeckDlg::renderFrame() {
    const QSize size = m_skin.viewSize();
    if (m_frame.size() != size)
        m_frame = QImage(size, QImage::Format_ARGB32_Premultiplied);
    m_frame.fill(Qt::transparent);
    QPainter p(&m_frame);
    m_skin.paint(p);
    p.setRenderHint(QPainter::TextAntialiasing);
    WordDetailPainter words(m_style);
    if (StudyCommands::isStudyMode(m_mode) && m_study) {
        const vt::QuestionRecord& q = displayedQuestion();
        const vt::ModeOptions& o = m_study->options();
        if (m_study->hasWord())
            words.paint(p, m_mode, q, DisplayFlags{o.danci, o.daxie, o.yinbiao});
        StudyPanelPainter panel(m_style);
        panel.setAssociationAt(QPoint(22, 418)); // the usual place lies under "Forward" in this skin
        panel.paint(p, m_panel);
        drawStatusLines(p, q);
        WordDetailPainter::paintProgressBar(p, m_study->timerProgress());
    } else if (m_mode == vt::ModeMain) {
        // Until the pointer rests on a button the panel introduces the program instead of standing empty.
        const QString text = m_helpText.isEmpty() ? m_help.forButton("Introduction") : m_helpText;
        if (!text.isEmpty())
            words.paintHelpText(p, text);
    } else if (m_mode == 7 || m_mode == 9) {
        p.setFont(m_style.font(3));
        p.setPen(QColor(30, 58, 92));
        p.drawText(QRect(0, 250, size.width(), 60), Qt::AlignCenter, QStringLiteral("该功能即将推出"));
    }
    p.end();
    m_dirty = false;
    return m_frame;
}

// The status lines sit in the title bar, right of the screen's name; the prompt in the lower card under the
// skin's own tip, wrapped, since the longest prompt is wider than the card.
void CStudyDeckDlg::drawStatusLines(QPainter& p, const vt::QuestionRecord& q) const {
    QFont prompt = m_style.font(6);
    prompt.setPixelSize(15);
    p.setFont(prompt);
    p.setPen(QColor(198, 79, 0));
    p.drawText(QRect(156, 534, 456, 52), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, fromGbk(q.prompt));
    QFont small = m_style.font(5);
    small.setPixelSize(13);
    p.setFont(small);
    p.setPen(QColor(220, 234, 248));
    const QString line0 = fromGbk(q.status[0]).trimmed();
    QString line1 = fromGbk(q.status[1]).trimmed();
    const QString range = fromGbk(q.status[2]).trimmed();
    if (!range.isEmpty())
        line1 += (line1.isEmpty() ? QString() : QStringLiteral("   ")) + range;
    p.drawText(QRect(340, 10, 370, 18), Qt::AlignRight | Qt::AlignVCenter, line0);
    p.drawText(QRect(340, 28, 370, 18), Qt::AlignRight | Qt::AlignVCenter, line1);
}

void CStudyDeckDlg::paintEvent(QPaintEvent*) {
    if (m_dirty || m_frame.isNull())
        renderFrame();
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, m_frame);
    if (m_exitAfterFirstPaint && !m_firstPaintReported && m_study) {
        m_firstPaintReported = true;
        QTimer::singleShot(0, this, &CStudyDeckDlg::reportFirstPaint);
    }
}

void CStudyDeckDlg::reportFirstPaint() {
    std::printf("first-paint-ms %lld\n", static_cast<long long>(msSinceProcessStart()));
    std::fflush(stdout);
    m_timer.stop();
    hide();
    if (m_tray)
        m_tray->Remove();
    emit closed();
}

QPoint CStudyDeckDlg::buttonCenter(const std::string& name) const {
    const int i = m_skin.indexOf(name);
    if (i < 0)
        return {};
    const QRegion& r = m_skin.button(i).hitRegion();
    if (r.isEmpty())
        return {};
    const QPoint c = r.boundingRect().center();
    if (r.contains(c))
        return c;
    return r.begin()->center();
}

// ---- mouse and keys ----

void CStudyDeckDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint p = event->position().toPoint();
    setFocus();
    const int hit = m_skin.press(p);
    m_keysSuspended = StudyCommands::isStudyMode(m_mode) && kKeysSquare.contains(p);
    if (hit >= 0) {
        if (m_mode == vt::ModeMain)
            m_helpText = m_help.forButton(m_skin.button(hit).name());
        refresh();
        return;
    }
    if (StudyCommands::isStudyMode(m_mode) && m_study->hasWord() && m_study->phase() != vt::PhaseAsking &&
        kWordArea.contains(p)) {
        advanceCommand();
        refresh();
        return;
    }
    // Background: move the window as if its caption were held.
    QWindow* w = windowHandle();
    if (!(w && w->startSystemMove())) {
        m_dragging = true;
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    }
}

void CStudyDeckDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    const int fired = m_skin.release(event->position().toPoint());
    refresh();
    if (fired >= 0)
        dispatch(m_skin.button(fired).name());
}

void CStudyDeckDlg::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        return;
    }
    const QPoint p = event->position().toPoint();
    const std::vector<int> reacted = m_skin.hover(p);
    if (reacted.empty())
        return;
    if (m_mode == vt::ModeMain) {
        int shown = reacted.front();
        for (int i : reacted)
            if (m_skin.button(i).contains(p))
                shown = i;
        m_helpText = m_help.forButton(m_skin.button(shown).name());
    }
    refresh();
}

void CStudyDeckDlg::keyPressEvent(QKeyEvent* event) {
    if (!StudyCommands::isStudyMode(m_mode) || m_keysSuspended || !m_study) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Right:
        advanceCommand();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        m_study->moveSelection(event->key() == Qt::Key_Up ? -1 : 1);
        refresh();
        return;
    default:
        break;
    }
    const vt::QuestionRecord& q = m_study->question();
    if (!q.isFill() || q.phase != vt::PhaseAsking) {
        event->accept();
        return;
    }
    QString typed = fromGbk(q.typed);
    if (event->key() == Qt::Key_Backspace) {
        typed.chop(1);
    } else {
        const QString text = event->text();
        if (text.isEmpty() || !text.at(0).isPrint()) {
            QWidget::keyPressEvent(event);
            return;
        }
        typed += text;
    }
    m_study->setTyped(toGbkText(typed));
    refresh();
}
