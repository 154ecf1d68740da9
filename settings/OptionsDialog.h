#pragma once

#include <QDialog>

class QCheckBox;
class QSlider;

// The options dialog "FormOptions": autoload, autosave, clearing a dragged source slot and the
// similarity threshold of the similar-slot finder. The check boxes carry the object names the
// settings table binds ("CheckAutoOpen", "CheckAutoSave", "CheckDeleteDragSource"), so the
// store shows and stores them by window name.
//
// Use (ButtonOptionsClick):
//     TFormOptions dialog(store, this);
//     connect(&dialog, &TFormOptions::SimilarThresholdChanged, ...);  // SimilarThreshold
//     dialog.exec();      // OK stores everything at once, Cancel / Escape / close nothing
//     ShowSlot(CurrentSlot, false);
namespace velmar {

class IniStore;

class TFormOptions : public QDialog {
    Q_OBJECT
  public:
    explicit TFormOptions(IniStore& store, QWidget* parent = nullptr);

    [[nodiscard]] QCheckBox* CheckAutoOpen() const { return checkAutoOpen_; }
    [[nodiscard]] QCheckBox* CheckAutoSave() const { return checkAutoSave_; }
    [[nodiscard]] QCheckBox* CheckDeleteDragSource() const { return checkDeleteDragSource_; }
    // "TrackSimilarPercentage", 50..90.
    [[nodiscard]] QSlider* TrackSimilarPercentage() const { return trackSimilarPercentage_; }

  signals:
    // OK was pressed: the stored "SimilarPercentage", for the finder's SimilarThreshold.
    void SimilarThresholdChanged(int percent);

  public slots:
    // Stores the check boxes and the threshold, then closes with QDialog::Accepted.
    void ButtonOKClick();

  protected:
    void showEvent(QShowEvent* event) override;  // FormShow: the store shows the settings

  private:
    IniStore& store_;
    QCheckBox* checkAutoOpen_ = nullptr;
    QCheckBox* checkAutoSave_ = nullptr;
    QCheckBox* checkDeleteDragSource_ = nullptr;
    QSlider* trackSimilarPercentage_ = nullptr;
};

}  // namespace velmar
