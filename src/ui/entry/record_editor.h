// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record editor ("TForm3"): the modal dialog through which an observer types a new drawing,
// a special record or a correction of the current record. It gathers the typed texts, lets core
// check and store them, and shows the messages and the faulty cell.
#include <QDialog>

#include "core/entry/record_input.h"
#include "ui/shell/app_context.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace ardeno {

class RecordEditor : public QDialog {
  Q_OBJECT
 public:
  RecordEditor(AppContext& ctx, EditorMode mode, QWidget* parent = nullptr);

  // Opens the editor modally over the main frame; true when a record was stored. The database
  // is then sorted, CurrentIndex points at the record and the windows were told
  // (DataChange::Records).
  static bool Run(AppContext& ctx, EditorMode mode, QWidget* parent = nullptr);

  bool Stored() const { return m_stored; }
  // The Helios switch: false while the group grid takes angle and distance, true for l and b.
  bool LongitudeLatitudeEntry() const { return m_longitudeLatitude; }

  // The texts of the fields and grids as the store reads them.
  RecordInput GatherInput() const;

 public slots:
  void StoreRecordClicked();  // "Potvrdit  zadávání"
  void HeliosClicked();

 protected:
  void done(int result) override;

 private:
  void BuildLayout();
  // The line edit of a header field; the observer's is its combo box's.
  QLineEdit* HeaderEdit(HeaderField field) const;
  std::vector<QLineEdit*> HeaderEdits() const;
  void ShowOpening();
  void ApplyCoordinateMode();
  void ApplyScale();
  void SetGroupTitles();
  void GroupCountChanged(const QString& text);
  void FacularCountChanged(const QString& text);
  void GroupCellChosen(int row, int column);
  void SetFixedCellColour(QTableWidget* grid, bool pink);
  void ShowGroupRows(const std::vector<GroupRowTexts>& rows);
  std::vector<GroupRowTexts> GroupRows(int count) const;
  int TypedGroupCount() const;
  QLineEdit* Field(HeaderField field) const;

  AppContext& m_ctx;
  EditorMode m_mode;
  bool m_stored = false;
  bool m_longitudeLatitude = false;
  std::vector<KeptGroupNumber> m_keptGroupNumbers;

  QLabel* m_coordinateCaption = nullptr;
  QComboBox* m_observer = nullptr;
  std::array<QLineEdit*, kHeaderFieldCount> m_fields{};
  QLabel* m_facularCountLabel = nullptr;
  QGroupBox* m_groupBox = nullptr;
  QGroupBox* m_faculaBox = nullptr;
  QTableWidget* m_groupGrid = nullptr;
  QTableWidget* m_faculaGrid = nullptr;
  QPushButton* m_helios = nullptr;
  QLabel* m_areaInMillionths = nullptr;
  QLabel* m_runCounter = nullptr;
  QPushButton* m_store = nullptr;
  QPushButton* m_return = nullptr;
};

}  // namespace ardeno
