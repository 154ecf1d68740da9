#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/SystemClipboard.h"
#include "platform/WebAddress.h"

// Test doubles of the platform layer. Each installs itself on construction and puts back what
// was installed before on destruction, so create them on the stack of one test function.
// Anything the script did not expect (a question without a prepared answer, an answer never
// asked for) fails the running test instead of blocking on a modal window.
namespace velmar {

// Where the doubles report what the script did not expect.
class ScriptFailures {
  public:
    // By default a failure fails the running test; with a sink it is only appended there
    // (for testing the doubles themselves). The sink must outlive the double.
    void RecordFailuresIn(QStringList* sink) { sink_ = sink; }

  protected:
    void Fail(const QString& message);

  private:
    QStringList* sink_ = nullptr;
};

class ScriptedMessages final : public MessageLayer, public ScriptFailures {
  public:
    enum class Kind { Error, OkCancel, YesNo, YesNoCancel, Info };
    struct Box {
        Kind kind;
        QString caption;
        QString text;
    };

    ScriptedMessages();
    ~ScriptedMessages() override;
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    // Answers for the coming questions, used in this order. Error and info boxes need none.
    ScriptedMessages& AnswerOkCancel(bool ok);
    ScriptedMessages& AnswerYesNo(bool yes);
    ScriptedMessages& AnswerYesNoCancel(int code);  // kAnswerYes, kAnswerNo or kAnswerCancel

    [[nodiscard]] const QList<Box>& Boxes() const { return boxes_; }
    [[nodiscard]] QStringList Texts(Kind kind) const;
    [[nodiscard]] int PendingAnswers() const { return static_cast<int>(answers_.size()); }
    void ClearBoxes() { boxes_.clear(); }

    void ShowError(const QString& message) override;
    bool AskOkCancel(const QString& message) override;
    bool AskYesNo(const QString& message) override;
    int AskYesNoCancel(const QString& message, const QString& caption) override;
    void ShowInfo(const QString& message) override;

  private:
    struct Answer {
        Kind kind;
        int code;
    };
    // The prepared answer for a question of `kind`, or nullopt after reporting the failure.
    std::optional<int> Take(Kind kind, const QString& text);

    MessageLayer* previous_;
    std::deque<Answer> answers_;
    QList<Box> boxes_;
};

class ScriptedFileDialogs final : public FileDialogs, public ScriptFailures {
  public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    // The result of the next dialog, open or save; nullopt means Cancel.
    ScriptedFileDialogs& Answer(std::optional<QString> path);
    struct Shown {
        bool save;  // the save dialog, else the open dialog
        FileDialogRequest request;
    };
    [[nodiscard]] const QList<Shown>& ShownDialogs() const { return shown_; }

    std::optional<QString> OpenFileName(const FileDialogRequest& request) override;
    std::optional<QString> SaveFileName(const FileDialogRequest& request) override;

  private:
    std::optional<QString> Take(bool save, const FileDialogRequest& request);

    FileDialogs* previous_;
    std::deque<std::optional<QString>> answers_;
    QList<Shown> shown_;
};

class FakeClipboard final : public ClipboardText {
  public:
    FakeClipboard();
    ~FakeClipboard() override;
    FakeClipboard(const FakeClipboard&) = delete;
    FakeClipboard& operator=(const FakeClipboard&) = delete;

    QString Text() const override { return text_; }
    void SetText(const QString& text) override { text_ = text; }

  private:
    ClipboardText* previous_;
    QString text_;
};

// Records the web addresses the program opens instead of starting a browser.
class RecordedWebAddresses {
  public:
    RecordedWebAddresses();
    ~RecordedWebAddresses();
    RecordedWebAddresses(const RecordedWebAddresses&) = delete;
    RecordedWebAddresses& operator=(const RecordedWebAddresses&) = delete;

    [[nodiscard]] const QStringList& Addresses() const { return addresses_; }

  private:
    WebAddressOpener previous_;
    QStringList addresses_;
};

}  // namespace velmar
