#pragma once
// The main window: one borderless, skin-shaped window holding the eleven screens, the study engine, sound,
// the tray icon and the one-second timer; every skin button's command is dispatched here.
#include "app/CDlgFanWei.h"
#include "app/DisplayStyle.h"
#include "app/HelpTexts.h"
#include "app/StudyPanelPainter.h"
#include "audio/PcmOutput.h"
#include "skin/SkinSet.h"
#include "study/QuestionRecord.h"
#include "study/StudyTypes.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class BookChoicePanel;
class CSplashWnd;
class CTrayIcon;
class QLabel;
class QPlainTextEdit;
class SpeechLibraryBuilder;

namespace vt {
class CAudioBase;
class CIniProfile;
class CTtsVoice;
class CWordStudy;
} // namespace vt

class CStudyDeckDlg : public QWidget {
    Q_OBJECT
public:
    // Everything that would open a modal window or leave the program goes through these, so tests can
    // answer dialogs and read messages. The defaults open the real dialogs and message boxes.
    struct Hooks {
        std::function<void(const QString& text)> message;
        std::function<bool(RangeValues& values)> rangeDialog; // true on OK
        std::function<bool(int& seconds)> timerDialog;
        std::function<bool(int& speed)> parameterDialog;
        std::function<void(const QUrl& url)> openUrl;
        // Offers to build the speech library; calls accept() when the learner agrees (never blocks).
        std::function<void(std::function<void()> accept)> offerSpeechBuild;
    };

    // output: the sound device (tests pass a recording fake); none means the real device.
    explicit CStudyDeckDlg(std::unique_ptr<vt::PcmOutput> output = nullptr, QWidget* parent = nullptr);
    ~CStudyDeckDlg() override;

    // The start-up sequence: splash, tray icon, base folder and default data, skin, fonts, learner and
    // libraries, sound and voices, title, help texts; then the window is shown and the splash removed.
    void start();
    Hooks& hooks() { return m_hooks; }

    // Renders the whole screen (skin, text layer, widgets excluded) into the cached frame and returns it.
    const QImage& renderFrame();
    int mode() const { return m_mode; }
    vt::CWordStudy& study() { return *m_study; }
    vt::SkinSet& skin() { return m_skin; }
    BookChoicePanel* bookPanel() const { return m_books; }
    QPlainTextEdit* editField() const { return m_edit; }
    const HelpTexts& helpTexts() const { return m_help; }
    QString shownHelpText() const { return m_helpText; }
    QString noteText() const;
    bool keysSuspended() const { return m_keysSuspended; }
    // The question as drawn (with the "Enlighten" aid when one is shown).
    const vt::QuestionRecord& displayedQuestion() const;
    // Centre of the named button's clickable area in client pixels (null point when there is none).
    QPoint buttonCenter(const std::string& name) const;

    // One tick of the one-second timer (the QTimer calls it; tests call it directly).
    void timerTick();
    // Runs a command as a release over the button with that name would.
    void dispatch(const std::string& name);
    // Saves options and settings; false (and a message) when something could not be written.
    bool saveAll();

signals:
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void installDefaultHooks();
    void firstStart();
    void loadLearner();
    void startAudio();
    void offerSpeechLibrary();
    void startSpeechBuild();

    void loadSkin();
    void reportDamagedSkin(bool iniRead, const QString& iniName);
    void setMode(int mode);
    void enterMode();
    void goBack();
    void closeProgram();
    void layoutWidgets();
    void setButtonSelected(int index, bool selected);
    void syncStudyButtons();
    void syncLevelButtons();

    void dispatchStudy(const std::string& name, int index);
    void dispatchBookChoice(const std::string& name);
    void advanceCommand();
    void afterQuestionChange();
    void handleNext(vt::NextResult result);
    void pronounceIfDue();
    void pronounceCurrent(bool withSentence);
    void playTypedWord();
    void enlighten();
    void openRangeDialog();
    void openTimerDialog();
    void openParameterDialog();
    void onTrayCommand(int command);
    void showAbout();
    void showNote(const QString& text);
    void showMessage(const QString& text);
    void refresh();
    void drawStatusLines(QPainter& p, const vt::QuestionRecord& q) const;
    void reportFirstPaint();

    Hooks m_hooks;
    std::unique_ptr<vt::PcmOutput> m_output;
    std::unique_ptr<vt::CAudioBase> m_audio;
    std::unique_ptr<vt::CTtsVoice> m_voice;
    std::unique_ptr<vt::CIniProfile> m_profile;
    std::unique_ptr<vt::CWordStudy> m_study;
    DisplayStyle m_style;
    HelpTexts m_help;
    vt::SkinSet m_skin;
    QString m_programFolder;
    QString m_baseFolder;
    int m_mode = 0;

    QImage m_frame;
    bool m_dirty = true;
    QString m_helpText;
    std::optional<vt::QuestionRecord> m_enlightened;
    PanelFigures m_panel;

    CSplashWnd* m_splash = nullptr;
    CTrayIcon* m_tray = nullptr;
    BookChoicePanel* m_books = nullptr;
    QPlainTextEdit* m_edit = nullptr;
    QLabel* m_note = nullptr;
    QTimer m_noteTimer;
    QLabel* m_speechStatus = nullptr;
    SpeechLibraryBuilder* m_speechBuilder = nullptr;

    QTimer m_timer;
    bool m_keysSuspended = false;
    bool m_skipPronounce = false;
    int m_modalDepth = 0;
    vt::NextResult m_lastFallback = vt::NextResult::Shown;
    // Screens whose damaged skin has been reported this run (one bit per mode).
    unsigned m_skinReported = 0;

    bool m_dragging = false;
    QPoint m_dragOffset;
    bool m_exitAfterFirstPaint = false;
    bool m_firstPaintReported = false;
    bool m_closing = false;
};
