// What the main window costs where a user waits for it: showing a set list with its slot (128
// items refilled, an XL comment of 512 characters formatted) and starting up to the first shown
// set list of the demo file. Headless, on settings kept in memory and with boxes answered
// without any window, so the user's own settings are never touched. Every timed step ends with
// the event loop run until it is idle, so the layout and painting it caused are in the figure.
#include <benchmark/benchmark.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLatin1String>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "mainwindow/FormMain.h"
#include "mainwindow/MainControls.h"
#include "platform/Messages.h"
#include "platform/SettingsBackend.h"
#include "settings/IniStore.h"
#include "tools/fixtures/PcgFixture.h"

namespace {

using velmar::TFormMain;

// Two set lists shown in turn, both with the same remembered slot, so every step refills all
// 128 items and formats a comment.
constexpr int kListA = 5;
constexpr int kListB = 6;
constexpr int kShownSlot = 40;
constexpr int kSizeCodeXL = 4;
constexpr std::size_t kCommentChars = 512;

// The demo file as velmar-mkdemo writes it by default.
constexpr std::uint64_t kDemoSeed = 1962;
constexpr std::size_t kDemoSize = std::size_t{11} << 20;

// Any box is a fault in a benchmark run: it is answered with the harmless choice and counted,
// and the benchmarks report an error when one appeared.
class SilentMessages final : public velmar::MessageLayer {
  public:
    void ShowError(const QString& message) override { Seen(message); }
    bool AskOkCancel(const QString& message) override {
        Seen(message);
        return false;
    }
    bool AskYesNo(const QString& message) override {
        Seen(message);
        return false;
    }
    int AskYesNoCancel(const QString& message, const QString&) override {
        Seen(message);
        return velmar::kAnswerCancel;
    }
    void ShowInfo(const QString& message) override { Seen(message); }
    [[nodiscard]] int Count() const { return count_; }

  private:
    void Seen(const QString& message) {
        ++count_;
        std::fprintf(stderr, "box: %s\n", qPrintable(message));
    }
    int count_ = 0;
};

// The real window without its modal about and options windows.
class BenchFormMain final : public TFormMain {
  protected:
    void RunAboutWindow(QWidget*) override {}
    void RunOptionsDialog() override {}
};

// Counts the paint events a widget receives, to show that the timed steps really draw.
class PaintCounter final : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    [[nodiscard]] int Paints() const { return paints_; }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints_;
        return false;
    }

  private:
    int paints_ = 0;
};

// A settings store in memory, installed for the lifetime of the object.
class MemorySettings {
  public:
    MemorySettings() : previous_(velmar::InstallIniStore(&store_)) {}
    ~MemorySettings() { velmar::InstallIniStore(previous_); }
    MemorySettings(const MemorySettings&) = delete;
    MemorySettings& operator=(const MemorySettings&) = delete;

  private:
    velmar::IniStore store_{std::make_unique<velmar::MemoryBackend>()};
    velmar::IniStore* previous_;
};

struct BenchFiles {
    QTemporaryDir dir;
    QString showFile;  // generated, with the XL comments
    QString demoFile;
};

BenchFiles* files = nullptr;
SilentMessages* boxes = nullptr;

// 512 characters of words between runs of one to four blanks, as a long stage note looks.
std::string LongComment(std::uint64_t seed) {
    static const char* const kWords[] = {
        "Intro", "Strophe", "Refrain", "Bridge", "Solo", "2x",      "4",   "Takte", "Fermate",
        "leise", "laut",    "Am",      "F",      "C",    "G",       "Dm",  "Pad",   "Piano",
        "split", "C4",      "layer",   "hold",   "fade", "Schluss", "mit", "BPM",   "then",
    };
    std::mt19937_64 random(seed);
    std::string text;
    while (text.size() < kCommentChars) {
        text += kWords[random() % std::size(kWords)];
        text.append(1 + random() % 4, ' ');
    }
    text.resize(kCommentChars);
    return text;
}

bool WriteFiles(BenchFiles& out) {
    if (!out.dir.isValid()) return false;
    velmar::fixtures::PcgImage image = velmar::fixtures::GeneratePcg({.seed = 40});
    for (const int list : {kListA, kListB}) {
        velmar::fixtures::PutSlotComment(image, list, kShownSlot, LongComment(list));
        velmar::fixtures::PutFontSize(image, list, kShownSlot, kSizeCodeXL);
    }
    velmar::fixtures::FixChecksum(image);
    out.showFile = out.dir.filePath(QStringLiteral("show.pcg"));
    out.demoFile = out.dir.filePath(QStringLiteral("demo.pcg"));
    for (const auto& error :
         {velmar::fixtures::WriteBytes(out.showFile.toStdString(), image.bytes),
          velmar::fixtures::WritePcgFile(out.demoFile.toStdString(),
                                         {.seed = kDemoSeed, .totalSize = kDemoSize})}) {
        if (error) {
            std::fprintf(stderr, "%s\n", error->c_str());
            return false;
        }
    }
    return true;
}

// The offscreen platform warns once per window that it cannot pass size hints on; that line
// would bury the table. Everything else goes through as usual.
QtMessageHandler defaultHandler = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    defaultHandler(type, context, message);
}

// Runs the event loop until a pass finds nothing left to do (layout, paint, deferred deletes).
void Settle() {
    QAbstractEventDispatcher* dispatcher = QThread::currentThread()->eventDispatcher();
    for (int pass = 0; pass < 50; ++pass) {
        QCoreApplication::sendPostedEvents();
        if (!dispatcher->processEvents(QEventLoop::AllEvents)) return;
    }
}

std::unique_ptr<BenchFormMain> StartWindow(const QString& file) {
    auto form = std::make_unique<BenchFormMain>();
    form->FormCreate({file});
    form->show();
    form->TimerFirstStartTimer();
    return form;
}

bool ShowsSetList(TFormMain& form) {
    return form.Doc().FileLoaded() && form.ComboSlotNr()->count() == velmar::kSlotCount;
}

void BM_ShowSetListAndSlot(benchmark::State& state) {
    MemorySettings settings;
    const int boxesBefore = boxes->Count();
    auto form = StartWindow(files->showFile);
    // The finder's refresh and the autosave run on their own clocks (the finder in a thread of
    // its own); they are not part of showing a set list.
    form->TimerSync()->stop();
    form->TimerAutoSave()->stop();
    for (const int list : {kListA, kListB}) {
        form->ShowSetList(list, false, true);
        form->ShowSlot(kShownSlot, true);
    }
    Settle();
    if (!ShowsSetList(*form) || form->Doc().GetSlotFontSize(kListA, kShownSlot) != kSizeCodeXL) {
        state.SkipWithError("the generated file was not shown");
        return;
    }
    const PaintCounter slotView(form->ComboSlotNr()->viewport());
    const PaintCounter comment(form->MemoComment()->viewport());
    int next = 0;
    for (auto _ : state) {
        form->ShowSetList(next == 0 ? kListA : kListB, true, true);
        Settle();
        next ^= 1;
    }
    if (form->CurrentSlot() != kShownSlot ||
        form->MemoComment()->toPlainText().size() != static_cast<qsizetype>(kCommentChars)) {
        state.SkipWithError("the slot with the XL comment was not shown");
    } else if (boxes->Count() != boxesBefore) {
        state.SkipWithError("a message box appeared");
    }
    state.counters["slotViewPaints"] =
        benchmark::Counter(slotView.Paints(), benchmark::Counter::kAvgIterations);
    state.counters["commentPaints"] =
        benchmark::Counter(comment.Paints(), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ShowSetListAndSlot)->Unit(benchmark::kMillisecond);

// One program start per iteration, each with a new user's (empty) settings: the window built,
// the settings registered and loaded, the demo file opened at the first-start step and its set
// list drawn. The about window is skipped; destroying the window is not timed.
void BM_StartUpToFirstSetList(benchmark::State& state) {
    const int boxesBefore = boxes->Count();
    bool shown = true;
    for (auto _ : state) {
        state.PauseTiming();
        auto settings = std::make_unique<MemorySettings>();
        state.ResumeTiming();
        auto form = StartWindow(files->demoFile);
        Settle();
        state.PauseTiming();
        shown = shown && ShowsSetList(*form);
        form.reset();
        settings.reset();
        Settle();
        state.ResumeTiming();
    }
    if (!shown) {
        state.SkipWithError("the demo file was not shown");
    } else if (boxes->Count() != boxesBefore) {
        state.SkipWithError("a message box appeared");
    }
}
BENCHMARK(BM_StartUpToFirstSetList)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Headless, and whatever Qt keeps per user goes to its test locations.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    defaultHandler = qInstallMessageHandler(QuietHandler);
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    SilentMessages silent;
    velmar::MessageLayer* previousLayer = velmar::InstallMessageLayer(&silent);
    boxes = &silent;
    BenchFiles benchFiles;
    if (!WriteFiles(benchFiles)) return 1;
    files = &benchFiles;

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    velmar::InstallMessageLayer(previousLayer);
    return 0;
}
