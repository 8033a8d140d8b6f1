#include "editor/texture_view_model.hpp"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "editor/editor_session.hpp"

namespace tess {
namespace {

constexpr int kNotch = 120;
constexpr int kWheelPerParameterStep = 50;  // a parameter changes by delta * 0.02

// The letter shortcuts and the operations they select.
int shortcutOperation(char letter) {
  switch (letter) {
    case 'A': return texop::AddParticle;
    case 'B': return texop::Blur;
    case 'C': return texop::CrossFade;
    case 'D': return texop::Map2dPShift;
    case 'J': return texop::AdjustColor;
    case 'L': return texop::Lenz;
    case 'M': return texop::Mixer;
    case 'N': return texop::AddNoise;
    case 'S': return texop::PShift;
    case 'T': return texop::Twirl;
    case 'Z': return texop::RotorZoom;
    default: return -1;
  }
}

// Operations placed by pointing: at least two parameters, the first named "x" (or with the
// Cyrillic letter kha, as translated labels write it).
bool placedByPointer(int op) {
  if (!isRunnableOperation(op)) return false;
  const OperationRow& row = pristineOperationTable()[op];
  return row.count >= 2 && (row.labels[0].starts_with("x") || row.labels[0].starts_with("\u0445"));
}

bool isTextCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == ' ' || c == '!' || c == ',' ||
         c == '.' || c == '?';
}

}  // namespace

std::string TextureViewModel::title() const {
  return std::to_string(session_.textures().displayedStage) + " texture stage";
}

void TextureViewModel::draw(int width, int height, std::uint32_t* picture) const {
  const TextureStore& textures = session_.textures();
  drawTextureView(textures.stage(textures.displayedStage), textures.size(), view_, width, height,
                  picture);
}

void TextureViewModel::resize(int width, int height) {
  width_ = std::max(width, 1);
  height_ = std::max(height, 1);
}

ViewKeyAction TextureViewModel::pressKey(const ViewKey& key) {
  using Named = ViewKey::Named;
  if (takesText()) {
    if (key.named == Named::Backspace) return {eraseCharacter()};
    return {key.typed != 0 && typeCharacter(key.typed)};
  }
  switch (key.named) {
    case Named::Tab: return {stepOperation(key.control ? -1 : 1)};
    case Named::Backtab: return {stepOperation(-1)};
    case Named::F1: case Named::F2: case Named::F3: case Named::F4: case Named::F5:
      return {true, static_cast<int>(key.named) - static_cast<int>(Named::F1)};
    default: break;
  }
  if (key.control) return {};
  const char c = key.character;
  if (const int op = shortcutOperation(c); op >= 0) return {selectOperation(session_, op)};
  switch (c) {
    case '0': resetZoom(); return {true};
    case '8': fitZoom(width_, height_); return {true};
    case '9': return {true, -1, true};
    case 'W': toggleBackground(); return {true};
    case ' ': panMode_ = true; return {true};
    default: break;
  }
  if (c >= '1' && c <= '7') {
    if (heldParameter_ != c - '1') wheelRest_ = 0;
    heldParameter_ = c - '1';
    return {true};
  }
  return {};
}

void TextureViewModel::releaseKey(const ViewKey& key) {
  if (key.autoRepeat) return;
  if (key.character == ' ') {
    panMode_ = false;
    endPan();
  }
  if (key.character == '1' + heldParameter_) {
    heldParameter_ = -1;
    wheelRest_ = 0;
  }
}

WindowSize TextureViewModel::fittedWindowSize() const {
  const int size = session_.textures().size();
  return {size + 20, size + 60};
}

void TextureViewModel::fitZoom(int width, int height) {
  view_.zoom = fittingZoom(session_.textures().size(), width, height);
}

int TextureViewModel::wheelSteps(int delta, int unit) {
  wheelRest_ += delta;
  const int steps = wheelRest_ / unit;
  wheelRest_ -= steps * unit;
  return steps;
}

void TextureViewModel::wheel(int delta) {
  TextureStore& store = session_.textures();
  if (heldParameter_ >= 0) {
    const int steps = wheelSteps(delta, kWheelPerParameterStep);
    if (steps == 0 || heldParameter_ >= selectedParameterCount(store)) return;
    setSlider(store, heldParameter_, store.sliders[heldParameter_] + steps);
    preview_.mark();
    return;
  }
  const int steps = wheelSteps(delta, kNotch);
  for (int k = 0; k < std::abs(steps); ++k) {
    view_.zoom += steps > 0 ? 10 : -10;
    if (view_.zoom < 0) view_.zoom = 255;
    if (view_.zoom > 255) view_.zoom = 0;
  }
}

void TextureViewModel::startPan(int x, int y) {
  panning_ = true;
  grabX_ = x;
  grabY_ = y;
  panStartX_ = view_.panX;
  panStartY_ = view_.panY;
}

void TextureViewModel::movePan(int x, int y) {
  if (!panning_) return;
  // Row 0 is at the bottom: dragging down moves the picture down, towards higher source rows.
  view_.panX = panStartX_ + (x - grabX_);
  view_.panY = panStartY_ + (y - grabY_);
}

void TextureViewModel::pressPointer(int x, int y) {
  if (panMode_)
    startPan(x, y);
  else
    placeAt(x, y);
}

void TextureViewModel::movePointer(int x, int y) {
  if (panning_)
    movePan(x, y);
  else if (!panMode_)
    placeAt(x, y);
}

bool TextureViewModel::doubleClick() { return commitSelected(session_); }

bool TextureViewModel::takesText() const {
  return session_.textures().selectedOperation == texop::DrwTxt;
}

bool TextureViewModel::typeCharacter(char typed) {
  TextureStore& store = session_.textures();
  if (!isTextCharacter(typed) || store.workingStage >= kCommandRecords) return false;
  std::string& text = store.currentTexture().commands[store.workingStage].text;
  if (text.size() >= kCommandTextMax) return false;
  text += static_cast<char>(std::toupper(static_cast<unsigned char>(typed)));
  runPreview(session_);
  return true;
}

bool TextureViewModel::eraseCharacter() {
  TextureStore& store = session_.textures();
  if (store.workingStage >= kCommandRecords) return false;
  std::string& text = store.currentTexture().commands[store.workingStage].text;
  if (text.empty()) return false;
  text.pop_back();
  runPreview(session_);
  return true;
}

// Tab goes on from the last row to row 1 and back from rows 1 and 0 to the last row.
bool TextureViewModel::stepOperation(int direction) {
  const int last = kOperationRowCount - 1;
  const int row = session_.textures().selectedOperation + direction;
  return selectOperation(session_, row > last ? 1 : row < 1 ? last : row);
}

// At zoom 0 every screen point shows the same texture point, so nothing is placed. The y value
// counts rows from the top of the picture, so that the operation lands under the pointer.
bool TextureViewModel::placeAt(int x, int y) {
  TextureStore& store = session_.textures();
  if (!placedByPointer(store.selectedOperation) || view_.zoom == 0) return false;
  const int size = store.size();
  const TextureCell cell = textureCellAt(size, view_, width_, height_, x, y);
  // Far-off points count as just outside the edge; integer quotients truncate toward zero.
  const double edge = size;
  const int column = static_cast<int>(std::clamp(cell.column, -1.0, edge));
  const int rowFromTop = size - 1 - static_cast<int>(std::clamp(cell.row, -1.0, edge));
  setSlider(store, 0, 256 * column / size);
  setSlider(store, 1, 255 - 256 * rowFromTop / size);
  preview_.mark();
  return true;
}

}  // namespace tess
