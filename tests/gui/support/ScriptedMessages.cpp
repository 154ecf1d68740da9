#include "support/ScriptedMessages.h"

#include <QtTest/QTest>
#include <utility>

namespace velmar {
namespace {

QString KindName(ScriptedMessages::Kind kind) {
    switch (kind) {
        case ScriptedMessages::Kind::Error:
            return QStringLiteral("ShowError");
        case ScriptedMessages::Kind::OkCancel:
            return QStringLiteral("AskOkCancel");
        case ScriptedMessages::Kind::YesNo:
            return QStringLiteral("AskYesNo");
        case ScriptedMessages::Kind::YesNoCancel:
            return QStringLiteral("AskYesNoCancel");
        case ScriptedMessages::Kind::Info:
            return QStringLiteral("ShowInfo");
    }
    return {};
}

}  // namespace

void ScriptFailures::Fail(const QString& message) {
    if (sink_ != nullptr) {
        *sink_ << message;
        return;
    }
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
}

// ---- Message boxes -------------------------------------------------------------------------

ScriptedMessages::ScriptedMessages() : previous_(InstallMessageLayer(this)) {}

ScriptedMessages::~ScriptedMessages() {
    InstallMessageLayer(previous_);
    if (!answers_.empty()) {
        Fail(QStringLiteral("%1 scripted answer(s) never asked for, the next for %2")
                 .arg(answers_.size())
                 .arg(KindName(answers_.front().kind)));
    }
}

ScriptedMessages& ScriptedMessages::AnswerOkCancel(bool ok) {
    answers_.push_back({Kind::OkCancel, ok ? 1 : 0});
    return *this;
}

ScriptedMessages& ScriptedMessages::AnswerYesNo(bool yes) {
    answers_.push_back({Kind::YesNo, yes ? 1 : 0});
    return *this;
}

ScriptedMessages& ScriptedMessages::AnswerYesNoCancel(int code) {
    answers_.push_back({Kind::YesNoCancel, code});
    return *this;
}

QStringList ScriptedMessages::Texts(Kind kind) const {
    QStringList texts;
    for (const Box& box : boxes_) {
        if (box.kind == kind) texts << box.text;
    }
    return texts;
}

std::optional<int> ScriptedMessages::Take(Kind kind, const QString& text) {
    if (answers_.empty()) {
        Fail(QStringLiteral("Unexpected %1 box: \"%2\"").arg(KindName(kind), text));
        return std::nullopt;
    }
    const Answer answer = answers_.front();
    answers_.pop_front();
    if (answer.kind != kind) {
        Fail(QStringLiteral("%1 box \"%2\" arrived where the script expected %3")
                 .arg(KindName(kind), text, KindName(answer.kind)));
        return std::nullopt;
    }
    return answer.code;
}

void ScriptedMessages::ShowError(const QString& message) {
    boxes_.append({Kind::Error, QStringLiteral("Error"), message});
}

// A question the script did not expect gets the answer that changes nothing.
bool ScriptedMessages::AskOkCancel(const QString& message) {
    boxes_.append({Kind::OkCancel, QString::fromLatin1(kAppCaption), message});
    return Take(Kind::OkCancel, message).value_or(0) == 1;
}

bool ScriptedMessages::AskYesNo(const QString& message) {
    boxes_.append({Kind::YesNo, QString::fromLatin1(kAppCaption), message});
    return Take(Kind::YesNo, message).value_or(0) == 1;
}

int ScriptedMessages::AskYesNoCancel(const QString& message, const QString& caption) {
    boxes_.append({Kind::YesNoCancel, caption, message});
    return Take(Kind::YesNoCancel, message).value_or(kAnswerCancel);
}

void ScriptedMessages::ShowInfo(const QString& message) {
    boxes_.append({Kind::Info, QString::fromLatin1(kAppCaption), message});
}

// ---- File dialogs --------------------------------------------------------------------------

ScriptedFileDialogs::ScriptedFileDialogs() : previous_(InstallFileDialogs(this)) {}

ScriptedFileDialogs::~ScriptedFileDialogs() {
    InstallFileDialogs(previous_);
    if (!answers_.empty()) {
        Fail(QStringLiteral("%1 scripted file dialog answer(s) never used").arg(answers_.size()));
    }
}

ScriptedFileDialogs& ScriptedFileDialogs::Answer(std::optional<QString> path) {
    answers_.push_back(std::move(path));
    return *this;
}

std::optional<QString> ScriptedFileDialogs::Take(bool save, const FileDialogRequest& request) {
    shown_.append({save, request});
    if (answers_.empty()) {
        Fail(QStringLiteral("Unexpected file dialog \"%1\"").arg(request.caption));
        return std::nullopt;
    }
    const bool chosen = answers_.front().has_value();
    const QString path = chosen ? *answers_.front() : QString();
    answers_.pop_front();
    return chosen ? std::optional<QString>(path) : std::nullopt;
}

std::optional<QString> ScriptedFileDialogs::OpenFileName(const FileDialogRequest& request) {
    return Take(false, request);
}

std::optional<QString> ScriptedFileDialogs::SaveFileName(const FileDialogRequest& request) {
    return Take(true, request);
}

// ---- Clipboard and web addresses -----------------------------------------------------------

FakeClipboard::FakeClipboard() : previous_(InstallClipboard(this)) {}

FakeClipboard::~FakeClipboard() {
    InstallClipboard(previous_);
}

RecordedWebAddresses::RecordedWebAddresses()
    : previous_(InstallWebAddressOpener([this](const QString& url) {
          addresses_ << url;
          return true;
      })) {}

RecordedWebAddresses::~RecordedWebAddresses() {
    InstallWebAddressOpener(std::move(previous_));
}

}  // namespace velmar
