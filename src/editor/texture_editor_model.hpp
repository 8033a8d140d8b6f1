#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/clock.hpp"
#include "editor/changes.hpp"
#include "editor/texture_editing.hpp"

namespace tess {

class EditorSession;

// The "Texture editor" window's behaviour: the texture slot with its name, type and size, the
// operations by group, the selected operation's parameter rows and the command list with its
// change mode. Stage-list positions count from the top of the newest-first list (-1: nothing
// selected, which takes the top entry).
class TextureEditorModel {
 public:
  explicit TextureEditorModel(EditorSession& session) : session_(session) {}

  // The changes after which the window reads its controls again.
  static constexpr Changes kShown =
      Change::TextureNames | Change::CurrentTexture | Change::Stages | Change::AllTextures;

  static constexpr std::array<std::string_view, 4> kTabs = {"Generators", "Geometry", "Filters",
                                                            "Color"};
  static constexpr std::array<std::string_view, 2> kTypes = {"normal", "render-target"};
  // Every operation-table row: headers as they are, operations indented, the most used ones
  // marked with a bullet.
  static std::vector<std::string> operationListTexts();
  // The group header row of a tab, and the tab whose group holds a row.
  static int tabHeaderRow(int tab);
  static int tabOfRow(int row);

  std::string slotText() const;
  const std::string& name() const;
  int typeIndex() const;
  int sizeIndex() const;  // -1 for a size that is not one of the six
  int selectedOperation() const;
  // The selected operation's name; "function" while a group header is selected.
  std::string functionCaption() const;
  int parameterRowCount() const;
  std::string_view parameterLabel(int index) const;
  int parameterValue(int index) const;
  std::vector<std::string> stageListTexts() const;
  // "Change", "Insert", "Delete" and "Clear All" are disabled in change mode, when "prerender"
  // shows.
  bool listEditsEnabled() const;
  bool prerenderShown() const;
  // The list position of the stage being changed; -1 outside change mode.
  int changedStagePosition() const;

  bool selectTab(int tab);
  bool selectOperation(int row);
  // A double click in the operation list commits the selected operation, outside change mode.
  bool commitByDoubleClick();
  // A slider moved: the value is kept at once, the operation runs when runDuePreview is called.
  void setParameter(int index, int value);
  bool runDuePreview() { return preview_.run(session_); }
  bool previewDue() const { return preview_.due(); }
  // A number field's text: 0..255 applies, anything else leaves the value.
  bool typeParameter(int index, std::string_view text);
  // "+" / "-".
  bool stepParameter(int index, int step);
  // "defP".
  bool restoreDefaults();

  bool commit();  // "OK"
  bool change(int position);
  bool insert(int position);
  bool remove(int position);  // "Delete"
  void clearAll();            // "Clear All", after the user confirmed
  bool prerender();
  // A stage-list selection shows that stage until the next edit (false when it already shows).
  bool showStage(int position);
  // A double click in the stage list acts as "Change", outside change mode.
  bool changeByDoubleClick(int position);

  // "<" / ">" and the slot field (0..254; anything else leaves the slot).
  bool stepSlot(int step);
  bool typeSlot(std::string_view text);
  bool setSizeIndex(int index);
  bool setTypeIndex(int index);
  // At most 98 bytes; a ";" or a line break would end the name early in the texture text and is
  // refused.
  bool setName(std::string_view text);
  // "T": copies the previous stage into the working stage 50 times; the message reports the time.
  std::string timingTest(Clock& clock);

 private:
  bool openSlot(int slot);
  // Loads command s into the operation and sliders and previews it (the start of change mode).
  void editStage(int stage);
  int stageAt(int position) const;

  EditorSession& session_;
  DuePreview preview_;
};

}  // namespace tess
