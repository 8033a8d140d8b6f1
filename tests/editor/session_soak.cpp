#include "session_soak.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <random>
#include <sstream>

#include "core/file_io.hpp"
#include "editor/editor_session.hpp"
#include "editor/material_editor_model.hpp"
#include "editor/modifiers_model.hpp"
#include "editor/objects_model.hpp"
#include "editor/sample_generator_model.hpp"
#include "editor/texture_editor_model.hpp"
#include "editor/tracker_model.hpp"
#include "texture/operation_table.hpp"

namespace tess::soak {
namespace fs = std::filesystem;
namespace {

constexpr int kShrinkReplays = 400;

// The session and one model per window, as the editor holds them, with a clock the walk drives.
struct Walk {
  explicit Walk(const fs::path& folder) : folder(folder) {
    session.useClock(clock);
    session.startBlankProject();
  }
  fs::path pack(std::uint32_t n) const { return folder / ("pack" + std::to_string(n % 3) + ".tsc"); }

  fs::path folder;
  std::ostringstream diagnostics;
  ManualClock clock;
  EditorSession session{diagnostics};
  ObjectsModel objects{session};
  ModifiersModel modifiers{session};
  MaterialEditorModel material{session};
  TextureEditorModel texture{session};
  TrackerModel tracker{session};
  SampleGeneratorModel samples{session};
  std::optional<std::string> broken;  // what a command found wrong
};

// A typed text: mostly numbers, some beyond every field's range, sometimes no number at all.
std::string typed(std::uint32_t r) {
  if (r % 7 == 0) return "x" + std::to_string(r % 10);
  return std::to_string(static_cast<int>(r >> 3) % 70'000 - 20'000);
}

int signedSmall(std::uint32_t r, int range) { return static_cast<int>(r % (2 * range + 1)) - range; }

TrackerModel::ParameterTexts trackerTexts(const Step& s) {
  return {typed(s.b), typed(s.c), std::to_string(s.b % 256), std::to_string(s.c % 300)};
}

// A load or merge that fails must leave the project as it was. Every load ends playback first,
// and stopping gives back what playback changed, so the project is taken after the stop.
void keepsProjectOnFailure(Walk& w, const std::function<Outcome()>& command) {
  w.session.stopPlayback();
  const std::string before = w.session.packTextAsSaved();
  if (!command().ok() && w.session.packTextAsSaved() != before)
    w.broken = "a refused load changed the project";
}

void openDamagedCopy(Walk& w, const Step& s) {
  std::string text;
  if (!readWholeFile(w.pack(s.a), text).ok() || text.empty()) return;
  const std::size_t cut = s.b % text.size();
  if (s.c % 2) text.resize(cut);
  else text[cut] = static_cast<char>(s.c >> 8);
  const fs::path damaged = w.folder / "damaged.tsc";
  if (!writeFileAtomically(damaged, text).ok()) return;
  keepsProjectOnFailure(w, [&] { return w.session.openPack(damaged); });
}

struct Command {
  const char* name;
  std::function<void(Walk&, const Step&)> run;
};

const std::vector<Command>& commands() {
  static const std::vector<Command> table = {
      {"objects.create", [](Walk& w, const Step&) { w.objects.create(); }},
      {"objects.copy", [](Walk& w, const Step&) { w.objects.copy(); }},
      {"objects.remove", [](Walk& w, const Step&) { w.objects.remove(); }},
      {"objects.moveUp", [](Walk& w, const Step&) { w.objects.moveUp(); }},
      {"objects.moveDown", [](Walk& w, const Step&) { w.objects.moveDown(); }},
      {"objects.previous", [](Walk& w, const Step&) { w.objects.previous(); }},
      {"objects.next", [](Walk& w, const Step&) { w.objects.next(); }},
      {"objects.first", [](Walk& w, const Step&) { w.objects.first(); }},
      {"objects.last", [](Walk& w, const Step&) { w.objects.last(); }},
      {"objects.selectLine", [](Walk& w, const Step& s) { w.objects.selectLine(signedSmall(s.a, 300)); }},
      {"objects.chooseType", [](Walk& w, const Step& s) { w.objects.chooseType(s.a % 24); }},
      {"objects.chooseBlend", [](Walk& w, const Step& s) { w.objects.chooseBlend(s.a % 12); }},
      {"objects.chooseTexture", [](Walk& w, const Step& s) { w.objects.chooseTexture(s.a % 260); }},
      {"objects.chooseMaterial", [](Walk& w, const Step& s) { w.objects.chooseMaterial(s.a % 260); }},
      {"objects.chooseCloneType", [](Walk& w, const Step& s) { w.objects.chooseCloneType(s.a % 8); }},
      {"objects.cycleNormalMode", [](Walk& w, const Step&) { w.objects.cycleNormalMode(); }},
      {"objects.raiseCloneCount", [](Walk& w, const Step&) { w.objects.raiseCloneCount(); }},
      {"objects.lowerCloneCount", [](Walk& w, const Step&) { w.objects.lowerCloneCount(); }},
      {"objects.chooseSizeAxis", [](Walk& w, const Step& s) { w.objects.chooseSizeAxis(s.a % 4); }},
      {"objects.moveSizeSliders",
       [](Walk& w, const Step& s) { w.objects.moveSizeSliders(s.a % 130, s.b % 260); }},
      {"objects.typeSize", [](Walk& w, const Step& s) { w.objects.typeSize(typed(s.a)); }},
      {"objects.typePlacement",
       [](Walk& w, const Step& s) {
         const std::string a = typed(s.a), b = typed(s.b), c = typed(s.c);
         w.objects.typePlacement({a, b, std::to_string(s.a % 300), c, a, b, c});
       }},
      {"objects.typeClones",
       [](Walk& w, const Step& s) {
         w.objects.typeClones(std::to_string(s.a % 40), typed(s.b), typed(s.c));
       }},
      {"objects.toLocalCoordinates", [](Walk& w, const Step&) { w.objects.toLocalCoordinates(); }},
      {"objects.toGlobalCoordinates", [](Walk& w, const Step&) { w.objects.toGlobalCoordinates(); }},
      {"objects.armControlPick", [](Walk& w, const Step&) { w.objects.armControlPick(); }},
      {"objects.resetControlObject", [](Walk& w, const Step&) { w.objects.resetControlObject(); }},
      {"view3d.pick",
       [](Walk& w, const Step& s) {
         w.session.applyPick(s.a % 5 ? std::optional<int>(s.b % 300) : std::nullopt);
       }},
      {"scene.add", [](Walk& w, const Step&) { w.session.addScene(); }},
      {"scene.deleteLast", [](Walk& w, const Step&) { w.session.deleteLastScene(); }},
      {"scene.select", [](Walk& w, const Step& s) { w.session.selectScene(signedSmall(s.a, 70)); }},
      {"scene.createObject", [](Walk& w, const Step& s) { w.session.createObject(s.a % 23); }},
      {"scene.cloneGroup", [](Walk& w, const Step&) { w.session.cloneGroup(); }},
      {"scene.ungroup", [](Walk& w, const Step&) { w.session.ungroup(); }},
      {"scene.clear", [](Walk& w, const Step&) { w.session.clearScene(); }},
      {"undo", [](Walk& w, const Step&) { w.session.undo(); }},
      {"modifiers.create", [](Walk& w, const Step&) { w.modifiers.create(); }},
      {"modifiers.remove", [](Walk& w, const Step&) { w.modifiers.remove(); }},
      {"modifiers.moveUp", [](Walk& w, const Step&) { w.modifiers.moveUp(); }},
      {"modifiers.moveDown", [](Walk& w, const Step&) { w.modifiers.moveDown(); }},
      {"modifiers.previous", [](Walk& w, const Step&) { w.modifiers.previous(); }},
      {"modifiers.next", [](Walk& w, const Step&) { w.modifiers.next(); }},
      {"modifiers.last", [](Walk& w, const Step&) { w.modifiers.last(); }},
      {"modifiers.setCode", [](Walk& w, const Step& s) { w.modifiers.setCode(s.a % 70); }},
      {"modifiers.stepFirst", [](Walk& w, const Step& s) { w.modifiers.stepFirst(signedSmall(s.a, 20)); }},
      {"modifiers.stepSecond", [](Walk& w, const Step& s) { w.modifiers.stepSecond(signedSmall(s.a, 20)); }},
      {"modifiers.typeValue",
       [](Walk& w, const Step& s) {
         w.modifiers.typeValue(static_cast<ModifierField>(s.a % 5), typed(s.b));
       }},
      {"modifiers.selectLogRow", [](Walk& w, const Step& s) { w.modifiers.selectLogRow(signedSmall(s.a, 80)); }},
      {"material.setColourSlider",
       [](Walk& w, const Step& s) {
         w.material.setColourSlider(kLightingColours[s.a % 3], s.b % 5, signedSmall(s.c, 300));
       }},
      {"material.setPowerSlider", [](Walk& w, const Step& s) { w.material.setPowerSlider(signedSmall(s.a, 300)); }},
      {"material.setDepthSlider", [](Walk& w, const Step& s) { w.material.setDepthSlider(signedSmall(s.a, 300)); }},
      {"material.previous", [](Walk& w, const Step&) { w.material.previous(); }},
      {"material.next", [](Walk& w, const Step&) { w.material.next(); }},
      {"material.setName", [](Walk& w, const Step& s) { w.material.setName(std::string(s.a % 130, 'm')); }},
      {"material.setStageBlend",
       [](Walk& w, const Step& s) { w.material.setStageBlend(s.a % 4, signedSmall(s.b, 20)); }},
      {"material.setStageTexture",
       [](Walk& w, const Step& s) { w.material.setStageTexture(s.a % 4, signedSmall(s.b, 260)); }},
      {"material.setDisplaceMap", [](Walk& w, const Step& s) { w.material.setDisplaceMap(signedSmall(s.a, 260)); }},
      {"material.resetAllParams", [](Walk& w, const Step&) { w.material.resetAllParams(); }},
      {"texture.stepSlot", [](Walk& w, const Step& s) { w.texture.stepSlot(s.a % 2 ? 1 : -1); }},
      {"texture.typeSlot", [](Walk& w, const Step& s) { w.texture.typeSlot(std::to_string(signedSmall(s.a, 270))); }},
      // The three smallest sizes keep a few thousand regenerations quick.
      {"texture.setSizeIndex", [](Walk& w, const Step& s) { w.texture.setSizeIndex(s.a % 3); }},
      {"texture.setTypeIndex", [](Walk& w, const Step& s) { w.texture.setTypeIndex(s.a % 2); }},
      {"texture.selectOperation",
       [](Walk& w, const Step& s) { w.texture.selectOperation(s.a % (kOperationRowCount + 3)); }},
      {"texture.setParameter",
       [](Walk& w, const Step& s) {
         w.texture.setParameter(s.a % 7, s.b % 256);
         w.texture.runDuePreview();
       }},
      {"texture.typeParameter", [](Walk& w, const Step& s) { w.texture.typeParameter(s.a % 8, typed(s.b)); }},
      {"texture.stepParameter",
       [](Walk& w, const Step& s) { w.texture.stepParameter(s.a % 7, s.b % 2 ? 1 : -1); }},
      {"texture.restoreDefaults", [](Walk& w, const Step&) { w.texture.restoreDefaults(); }},
      {"texture.commit", [](Walk& w, const Step&) { w.texture.commit(); }},
      {"texture.change", [](Walk& w, const Step& s) { w.texture.change(signedSmall(s.a, 8)); }},
      {"texture.insert", [](Walk& w, const Step& s) { w.texture.insert(signedSmall(s.a, 8)); }},
      {"texture.remove", [](Walk& w, const Step& s) { w.texture.remove(signedSmall(s.a, 8)); }},
      {"texture.showStage", [](Walk& w, const Step& s) { w.texture.showStage(signedSmall(s.a, 8)); }},
      {"texture.changeByDoubleClick",
       [](Walk& w, const Step& s) { w.texture.changeByDoubleClick(signedSmall(s.a, 8)); }},
      {"texture.clearAll", [](Walk& w, const Step&) { w.texture.clearAll(); }},
      {"texture.setName", [](Walk& w, const Step& s) { w.texture.setName(std::string(s.a % 110, 't')); }},
      {"tracker.selectRow", [](Walk& w, const Step& s) { w.tracker.selectRow(signedSmall(s.a, 1100)); }},
      {"tracker.chooseCommand",
       [](Walk& w, const Step& s) { w.tracker.chooseCommand(s.a % 14, trackerTexts(s)); }},
      {"tracker.typeParameters", [](Walk& w, const Step& s) { w.tracker.typeParameters(trackerTexts(s)); }},
      {"tracker.insertRow", [](Walk& w, const Step&) { w.tracker.insertRow(); }},
      {"tracker.deleteRow", [](Walk& w, const Step&) { w.tracker.deleteRow(); }},
      {"tracker.clearRow", [](Walk& w, const Step&) { w.tracker.clearRow(); }},
      {"tracker.stretch", [](Walk& w, const Step&) { w.tracker.stretch(); }},
      {"tracker.play", [](Walk& w, const Step&) { w.tracker.play(); }},
      {"tracker.stop", [](Walk& w, const Step&) { w.tracker.stop(); }},
      {"frames",
       [](Walk& w, const Step& s) {
         for (std::uint32_t f = 0; f < s.a % 20; ++f) {
           w.clock.advance(s.b % 700);
           w.session.advancePlayback(w.clock.milliseconds());
           w.tracker.followPlayback();
         }
       }},
      {"samples.previousSample", [](Walk& w, const Step&) { w.samples.previousSample(); }},
      {"samples.nextSample", [](Walk& w, const Step&) { w.samples.nextSample(); }},
      {"samples.pickOperation", [](Walk& w, const Step& s) { w.samples.pickOperation(signedSmall(s.a, 32)); }},
      {"samples.insertOperation", [](Walk& w, const Step& s) { w.samples.insertOperation(signedSmall(s.a, 32)); }},
      {"samples.add", [](Walk& w, const Step&) { w.samples.add(); }},
      {"samples.remove", [](Walk& w, const Step& s) { w.samples.remove(signedSmall(s.a, 6)); }},
      {"samples.moveUp", [](Walk& w, const Step& s) { w.samples.moveUp(signedSmall(s.a, 6)); }},
      {"samples.moveDown", [](Walk& w, const Step& s) { w.samples.moveDown(signedSmall(s.a, 6)); }},
      {"samples.selectEntry", [](Walk& w, const Step& s) { w.samples.selectEntry(signedSmall(s.a, 6)); }},
      {"samples.stepParameter",
       [](Walk& w, const Step& s) { w.samples.stepParameter(s.a % 8, s.b % 2 ? 1 : -1); }},
      {"samples.typeParameter", [](Walk& w, const Step& s) { w.samples.typeParameter(s.a % 8, typed(s.b)); }},
      {"samples.slideParameter",
       [](Walk& w, const Step& s) { w.samples.slideParameter(s.a % 8, signedSmall(s.b, 300)); }},
      {"camera.move",
       [](Walk& w, const Step& s) {
         Camera& live = w.session.scenes().liveCamera;
         live.eyeX += signedSmall(s.a, 100);
         live.targetZ += signedSmall(s.b, 100) * 0.5;
         live.roll += signedSmall(s.c, 50) * 0.37;
         live.zoom = 0.25 + (s.c % 400) / 100.0;
         w.session.publish(Change::LiveCamera);
       }},
      {"camera.store",
       [](Walk& w, const Step& s) {
         SceneStore& scenes = w.session.scenes();
         scenes.currentCamera = static_cast<int>(s.a % kCameraSlots);
         scenes.cameras[scenes.currentCamera] = scenes.liveCamera;
         w.session.publish(Change::Cameras | Change::CurrentCamera);
       }},
      {"pack.saveAs", [](Walk& w, const Step& s) { w.session.savePackAs(w.pack(s.a)); }},
      {"pack.save",
       [](Walk& w, const Step&) {
         if (w.session.hasPackPath()) w.session.savePack();
       }},
      {"pack.open",
       [](Walk& w, const Step& s) {
         keepsProjectOnFailure(w, [&] { return w.session.openPack(w.pack(s.a)); });
       }},
      {"pack.openRecent",
       [](Walk& w, const Step& s) {
         keepsProjectOnFailure(w, [&] { return w.session.openRecentFile(s.a % 5); });
       }},
      {"pack.merge",
       [](Walk& w, const Step& s) {
         keepsProjectOnFailure(w, [&] { return w.session.mergePacks(w.pack(s.a)); });
       }},
      {"pack.openDamaged", openDamagedCopy},
  };
  return table;
}

#define EXPECT_WITHIN(value, low, high)                                                       \
  if ((value) < (low) || (value) > (high))                                                    \
    return std::string(#value) + " = " + std::to_string(value) + " outside " +                \
           std::to_string(low) + ".." + std::to_string(high);

std::optional<std::string> brokenInvariant(Walk& w) {
  if (w.broken) return w.broken;
  const SceneStore& scenes = w.session.scenes();
  EXPECT_WITHIN(int(scenes.sceneCount), 1, kSceneCapacity);
  // The tracker may show any scene slot while it plays; stopping selects an existing one again.
  EXPECT_WITHIN(int(scenes.currentScene), 0,
                (w.session.playing() ? kSceneCapacity : scenes.sceneCount) - 1);
  for (int s = 0; s < scenes.sceneCount; ++s) {
    const Scene& scene = scenes.scenes[s];
    EXPECT_WITHIN(int(scene.objectCount), 0, kMaxObjects);
    EXPECT_WITHIN(int(scene.currentObject), 0, std::max(0, scene.objectCount - 1));
    for (int i = 0; i < scene.objectCount; ++i)
      EXPECT_WITHIN(int(scene.modifiers[i].count), 0, kModifierCapacity);
  }
  EXPECT_WITHIN(scenes.currentModifier, -1,
                int(scenes.activeScene().modifiers[scenes.activeObjectIndex()].count) - 1);
  EXPECT_WITHIN(int(scenes.currentMaterial), 0, kMaterialCount - 1);
  EXPECT_WITHIN(scenes.currentCamera, 0, kCameraSlots - 1);

  const TextureStore& textures = w.session.textures();
  EXPECT_WITHIN(textures.current, 0, kTextureSlotCount - 1);
  for (const Texture& slot : textures.slots) {
    EXPECT_WITHIN(slot.stageCount, 1, kMaxStageCount);
    if (!isTextureSize(slot.size)) return "texture size " + std::to_string(slot.size);
  }
  const int stageCount = textures.currentTexture().stageCount;
  EXPECT_WITHIN(textures.workingStage, 0, stageCount);
  EXPECT_WITHIN(textures.displayedStage, 0, stageCount);
  if (!StageArea::fits(textures.workingStage, textures.size())) return "working stage outside";
  EXPECT_WITHIN(textures.selectedOperation, 0, kOperationRowCount - 1);

  SampleStore& samples = w.session.samples();
  EXPECT_WITHIN(samples.currentSample, 0, kSampleCount - 1);
  for (int s = 0; s < kSampleCount; ++s) EXPECT_WITHIN(samples.counts[s], 0, kMaxSampleCommands);
  EXPECT_WITHIN(samples.currentCommand, -1, samples.count() - 1);
  EXPECT_WITHIN(samples.length(), 0, kMaxLength);

  EXPECT_WITHIN(w.session.timeline().row, 0, kTrackerRows - 1);
  EXPECT_WITHIN(w.tracker.selectedRow(), 0, kTrackerRows - 1);
  EXPECT_WITHIN(w.modifiers.current(), -1, w.modifiers.count() - 1);
  EXPECT_WITHIN(w.objects.selectedLine(), -1, int(w.objects.objectLines().size()) - 1);
  return std::nullopt;
}

// Saving, loading into a fresh session and saving again gives the same bytes. The save's pass
// clears generated clones in the current scene only and a load makes scene 0 current, so the
// first save is made from scene 0 as well.
std::optional<std::string> saveLoadDiffers(Walk& w) {
  const fs::path first = w.folder / "final-1.tsc", second = w.folder / "final-2.tsc";
  w.session.stopPlayback();
  w.session.selectScene(0);
  if (Outcome saved = w.session.savePackAs(first); !saved.ok()) return saved.status.message;
  std::ostringstream quiet;
  EditorSession reread(quiet);
  reread.startBlankProject();
  if (Outcome opened = reread.openPack(first); !opened.ok()) return opened.status.message;
  if (Outcome saved = reread.savePackAs(second); !saved.ok()) return saved.status.message;
  std::string a, b;
  if (!readWholeFile(first, a).ok() || !readWholeFile(second, b).ok()) return "saved pack unreadable";
  if (a != b) return "the pack saved after loading differs from the pack loaded";
  return std::nullopt;
}

std::optional<Failure> runHere(const std::vector<Step>& steps, const fs::path& folder) {
  Walk walk(folder);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    commands()[steps[i].command].run(walk, steps[i]);
    if (auto broken = brokenInvariant(walk)) return Failure{i, *broken};
  }
  if (auto differs = saveLoadDiffers(walk)) return Failure{steps.size(), *differs};
  return std::nullopt;
}

}  // namespace

std::vector<Step> randomSteps(std::uint32_t seed, int count) {
  std::mt19937 random(seed);
  std::vector<Step> steps(static_cast<std::size_t>(std::max(count, 0)));
  for (Step& step : steps) {
    step.command = static_cast<int>(random() % commands().size());
    step.a = random();
    step.b = random();
    step.c = random();
  }
  return steps;
}

std::optional<Failure> run(const std::vector<Step>& steps, const fs::path& folder) {
  std::error_code ignored;
  fs::remove_all(folder, ignored);
  fs::create_directories(folder);
  int report[2];
  if (::pipe(report) != 0) return Failure{0, "no pipe"};
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(report[0]);
    std::string text;
    if (const std::optional<Failure> failure = runHere(steps, folder))
      text = std::to_string(failure->step) + " " + failure->what;
    [[maybe_unused]] const ssize_t written = ::write(report[1], text.data(), text.size());
    ::_exit(0);
  }
  ::close(report[1]);
  std::string text;
  char buffer[512];
  for (ssize_t got; (got = ::read(report[0], buffer, sizeof buffer)) > 0;) text.append(buffer, got);
  ::close(report[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return Failure{steps.size(), WIFSIGNALED(status)
                                     ? "crashed with signal " + std::to_string(WTERMSIG(status))
                                     : "ended with status " + std::to_string(WEXITSTATUS(status))};
  if (text.empty()) return std::nullopt;
  const std::size_t space = text.find(' ');
  return Failure{std::stoul(text.substr(0, space)), text.substr(space + 1)};
}

std::vector<Step> shrink(std::vector<Step> steps, const Failure& failure, const fs::path& folder) {
  // Steps after the one that failed play no part.
  const auto cutAfter = [&](std::size_t step) { steps.resize(std::min(steps.size(), step + 1)); };
  cutAfter(failure.step);
  // Drop ever smaller runs of steps while the rest still fails, within a budget of replays: a
  // long walk that fails late is not worth hours of shrinking.
  int replays = kShrinkReplays;
  for (std::size_t chunk = std::max<std::size_t>(steps.size() / 2, 1); chunk > 0 && replays > 0;) {
    bool dropped = false;
    for (std::size_t start = 0; start < steps.size() && replays-- > 0;) {
      std::vector<Step> candidate = steps;
      candidate.erase(candidate.begin() + start,
                      candidate.begin() + std::min(steps.size(), start + chunk));
      if (const std::optional<Failure> still = run(candidate, folder)) {
        steps = std::move(candidate);
        cutAfter(still->step);
        dropped = true;
      } else {
        start += chunk;
      }
    }
    if (!dropped) chunk /= 2;
  }
  return steps;
}

std::string describe(const std::vector<Step>& steps) {
  std::string text;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& s = steps[i];
    text += std::to_string(i) + " " + commands()[s.command].name + "(" + std::to_string(s.a) +
            "," + std::to_string(s.b) + "," + std::to_string(s.c) + ")\n";
  }
  return text;
}

std::optional<std::string> soak(std::uint32_t seed, int count, const fs::path& folder,
                                std::ostream& log) {
  const std::vector<Step> steps = randomSteps(seed, count);
  const std::optional<Failure> failure = run(steps, folder);
  if (!failure) return std::nullopt;
  const std::string found = "soak seed " + std::to_string(seed) + ", " + std::to_string(count) +
                            " commands: after step " + std::to_string(failure->step) + ": " +
                            failure->what;
  log << found << "\nshrinking..." << std::endl;
  const std::vector<Step> shortest = shrink(steps, *failure, folder);
  const std::optional<Failure> again = run(shortest, folder);
  return found + "\nshortest failing sequence found (" + std::to_string(shortest.size()) +
         " commands" + (again ? ", " + again->what : std::string()) + "):\n" + describe(shortest);
}

}  // namespace tess::soak
