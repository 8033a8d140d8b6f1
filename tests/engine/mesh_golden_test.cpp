// Whole builds against checksums of the bytes they produced when recorded: any change of a single
// output bit in any generator, modifier, chain, clone or view path shows here, named by the case
// that changed. The checksums were recorded with the C library's sine and cosine; the fast ones
// give the same vertex bytes in every case here.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <functional>
#include <iterator>

#include "engine/clone_expansion.hpp"
#include "engine/modifier_engine.hpp"
#include "engine_test_support.hpp"
#include "scene/modifier_codes.hpp"
#include "scene/scene_codes.hpp"

namespace tess {
namespace {

constexpr int kLastGeometryType = objtype::TubeLoft2;

// FNV-1a over the counts and every emitted vertex byte, folded to 32 bits for the tables below.
struct Checksum {
  std::uint64_t value = 14695981039346656037ull;
  void add(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    for (std::size_t i = 0; i < size; ++i) value = (value ^ bytes[i]) * 1099511628211ull;
  }
  void add(const MeshBuffers& mesh) {
    add(&mesh.vertexCount, sizeof mesh.vertexCount);
    add(&mesh.triangleCount, sizeof mesh.triangleCount);
    add(mesh.vertices.data(), sizeof(MeshVertex) * static_cast<std::size_t>(mesh.vertexCount));
  }
  std::uint32_t folded() const { return static_cast<std::uint32_t>(value ^ value >> 32); }
};

// A camera off every axis, a modifier time and a height map for the landscape types.
struct GoldenFixture : MeshFixture {
  TextureImages images;

  GoldenFixture() {
    Camera& camera = inputs.camera;
    camera.eyeX = 300, camera.eyeY = -200, camera.eyeZ = 150;
    camera.targetX = 20, camera.targetY = 10, camera.targetZ = -30;
    camera.roll = 0.3;
    camera.zoom = 1.5;
    inputs.rotation = ComputeViewRotation(camera);
    inputs.time = modifierTime(123457);
    TextureImage& image = images.slots[1];
    image.size = 16;
    image.pixels.resize(16 * 16 * 4);
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
      image.pixels[i] = static_cast<std::uint8_t>(i * 37 + 11);
    inputs.images = &images;
    store->materials[0].displaceDepth = 48;
  }

  SceneObject& place(int i, int type, int segU, int segV) {
    SceneObject& o = object(i);
    o.type = static_cast<std::uint8_t>(type);
    o.segU = static_cast<std::uint8_t>(segU);
    o.segV = static_cast<std::uint8_t>(segV);
    o.posX = static_cast<std::int16_t>(16 * i - 20);
    o.posY = 12, o.posZ = -7;
    o.sizeX = 70, o.sizeY = 50, o.sizeZ = 90;
    if (scene().objectCount <= i) scene().objectCount = static_cast<std::uint8_t>(i + 1);
    return o;
  }
  void animate(int i, int amplitudeCode) {
    add(i, modcode::AnimaSpeed, 40, -30, 20, 50, 60);
    add(i, modcode::AnimaPhase, 10, 20, -30, 40, 50);
    add(i, amplitudeCode, 64, -32, 48, 96, 128);
  }
  void mixedList(int i) {
    add(i, modcode::SelectionSubtract, 8, 0, 40, 30, 0);  // deselects a ball
    add(i, modcode::TwistZ, 0, 0, 0, 128, 32);
    add(i, modcode::GlobalRotateY, 0, 0, 0, 0, 20);
    add(i, modcode::SelectAll);
    add(i, modcode::SinBendX, 0, 0, 0, 96, 16);
    add(i, modcode::GlobalWaves, 32, 0, 32, 16, 16);
    add(i, modcode::TextureWaves, 0, 0, 0, 64, 8);
  }
};

// The largest difference of a grid coordinate between a build with the fast sine and cosine and
// one with the C library's, over the cases run so far.
double largestTrigDifference = 0;

double gridDifference(const MeshBuffers& fast, const MeshBuffers& exact, int points) {
  double largest = 0;
  for (int k = 0; k < points; ++k) {
    const GridPoint &a = fast.grid[k], &b = exact.grid[k];
    for (double d : {a.x - b.x, a.y - b.y, a.z - b.z, a.tu - b.tu, a.tv - b.tv, a.nx - b.nx,
                     a.ny - b.ny, a.nz - b.nz})
      largest = std::max(largest, std::fabs(d));
  }
  return largest;
}

// Builds objects 0..count-1 of a fixture that setup prepared and sums them all. Each is built
// again with the C library's sine and cosine, whose grid (the last face's) must stay within 1e-9.
std::uint32_t buildAll(const std::function<void(GoldenFixture&)>& setup, int count = 1) {
  GoldenFixture f, exact;
  setup(f);
  setup(exact);
  exact.inputs.trig = TrigPrecision::Library;
  Checksum sum;
  for (int i = 0; i < count; ++i) {
    f.build(i);
    exact.build(i);
    sum.add(*f.mesh);
    const SceneObject& o = f.object(i);
    const double difference = gridDifference(*f.mesh, *exact.mesh, (o.segU + 1) * (o.segV + 1));
    EXPECT_LE(difference, 1e-9) << "object " << i;
    largestTrigDifference = std::max(largestTrigDifference, difference);
  }
  return sum.folded();
}

// Says the largest difference after each test, for the record.
struct TrigDifferenceReport : ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo& test) override {
    if (std::string_view(test.test_suite_name()) == "MeshGolden")
      std::printf("largest difference from the C library's trigonometry so far: %.3g\n",
                  largestTrigDifference);
  }
};
const bool kReportInstalled = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new TrigDifferenceReport);
  return true;
}();

// Per object type: plain, then animated with the amplitude code cycling through the three modes.
constexpr std::uint32_t kEveryType[][2] = {
    {0xE76B645F, 0xD6BA7171},  // 0
    {0xE2D9CDEB, 0x4017CF06},  // 1
    {0x49FBBAF9, 0x2E977EE6},  // 2
    {0x561DD390, 0xCFFC7A5D},  // 3
    {0x5C611A17, 0x4C1A57A0},  // 4
    {0xA2078F9D, 0xF38E1D41},  // 5
    {0x97D9487D, 0x580AF25E},  // 6
    {0x72C5BB15, 0xDF428A20},  // 7
    {0xB73BD9C5, 0x29B61A77},  // 8
    {0x09974183, 0x0DB3413A},  // 9
    {0xE4E047C6, 0x18737D37},  // 10
    {0x38B171A0, 0x5B3C87F3},  // 11
    {0x80DDC1F7, 0x80DDC1F7},  // 12
    {0x3BC09196, 0x5159BC96},  // 13
    {0xBDE17E46, 0x83C9F2F6},  // 14
    {0xBB1536D8, 0x09CD75E6},  // 15
    {0xE540D88C, 0x62B16771},  // 16
    {0xB5A561C6, 0xB605FAE6},  // 17
    {0x3D71E693, 0xEBE02AED},  // 18
};
static_assert(std::size(kEveryType) == kLastGeometryType + 1);

TEST(MeshGolden, EveryObjectTypeWithAMixedList) {
  for (int type = 0; type <= kLastGeometryType; ++type)
    for (bool animated : {false, true}) {
      const std::uint32_t sum = buildAll([&](GoldenFixture& f) {
        f.place(0, type, 7, 5).normalMode = static_cast<std::uint8_t>(type % 5);
        if (animated) f.animate(0, modcode::AnimaSine + type % 3);
        f.mixedList(0);
      });
      EXPECT_EQ(sum, kEveryType[type][animated])
          << "type " << type << (animated ? ", animated" : "");
    }
}

struct CodeVariant {
  const char* name;
  Modifier params;
  int amplitudeCode;  // 0: not animated
};
constexpr Modifier kWide{16, -8, 24, 80, 40, 0}, kInverted{-20, 30, 4, -70, -25, 0};
constexpr CodeVariant kCodeVariants[] = {
    {"wide", kWide, 0},
    {"inverted", kInverted, 0},
    {"wide, sine", kWide, modcode::AnimaSine},
    {"inverted, absolute sine", kInverted, modcode::AnimaAbsSine},
    {"wide, cycle", kWide, modcode::AnimaCycle},
};

// Per modifier code, one column per variant above.
constexpr std::uint32_t kEveryCode[][std::size(kCodeVariants)] = {
    {0x9CEAC0DF, 0xBCC99537, 0x851B7701, 0x24A2B323, 0x0256DD27},  // 0
    {0xE09F6B3E, 0x35B1CAC0, 0xFAB27066, 0x78511715, 0x455B6A6F},  // 1
    {0xFB0620D3, 0xD7F9A009, 0x851B7701, 0x24A2B323, 0xF0DDE51C},  // 2
    {0xD0C46645, 0x517433DC, 0xF506A2CC, 0x0231373F, 0x0FF7CBBE},  // 3
    {0x00DE28AF, 0x5DE054DA, 0x851B7701, 0x24A2B323, 0x53757F82},  // 4
    {0xEE9F0A98, 0x8E9641CC, 0xF506A2CC, 0x0231373F, 0x35979C01},  // 5
    {0x3CDF8BD5, 0x3E7BB6B4, 0x851B7701, 0x24A2B323, 0x79E9C2E4},  // 6
    {0x77A20976, 0xB0107B8A, 0xF506A2CC, 0x0231373F, 0x35E0E365},  // 7
    {0xF77CCAAC, 0xB94A5D0D, 0x851B7701, 0x24A2B323, 0x8B8B246B},  // 8
    {0xCF85D444, 0x7FF683CA, 0xF506A2CC, 0x0231373F, 0xE3FB4110},  // 9
    {0x3CF57DEE, 0x88C418A5, 0x851B7701, 0x24A2B323, 0xB9EB1038},  // 10
    {0xD5FFF669, 0x5C16373D, 0xFFEE7C7A, 0x9ECE01B2, 0xE6EA1D9F},  // 11
    {0xA1874FD6, 0x57F647D0, 0x8C6D6563, 0x4D658D43, 0xA9388E50},  // 12
    {0x99A29695, 0x3E7D3847, 0x4C945572, 0xB00D0CB4, 0x45032229},  // 13
    {0x3E6D32FF, 0x3E6D32FF, 0x35CA1510, 0x38CA30D5, 0xBD65B0C1},  // 14
    {0x772A249A, 0x772A249A, 0x47B3CAEB, 0x7F5C138F, 0xB83EB86D},  // 15
    {0xA485CB54, 0xA485CB54, 0x7508F6D1, 0x0325E73B, 0xA4401DB2},  // 16
    {0xA711256B, 0x7F1CC1B2, 0xF506A2CC, 0x0231373F, 0x13DC5272},  // 17
    {0x1AC81769, 0xDC4822A5, 0x851B7701, 0x24A2B323, 0x8A3DC2D6},  // 18
    {0x3CBE8144, 0xCA61ED6A, 0x7FFF5971, 0x094A760A, 0x22AA116D},  // 19
    {0x72C514B6, 0xF83C845D, 0xA98FE42F, 0xFFB01762, 0xBE8E596E},  // 20
    {0x252F00E4, 0x3150CD3D, 0x5E65905B, 0xCE8F5A6C, 0x27EF9BB9},  // 21
    {0xFE31D669, 0xB93E0BD6, 0x68F2F195, 0xCFEE8D16, 0x1CBD1333},  // 22
    {0x485DB225, 0x4A242D75, 0xA13EFD28, 0x2421C9ED, 0x677A6B22},  // 23
    {0xDAD43EC0, 0x7B7D8BF3, 0x10954ACB, 0x5604DBEE, 0x9C1973E4},  // 24
    {0x2292CE47, 0xE22B094A, 0x80A0A015, 0x38BE444D, 0xDC287905},  // 25
    {0x82F84F5E, 0xDF10A04A, 0xB070241F, 0xD88039E4, 0x2AA6B42C},  // 26
    {0xBC7C65FD, 0x65CB65CE, 0x5109E4CD, 0x473755A7, 0x9476EE68},  // 27
    {0x0F11B2D5, 0x18777EF7, 0xD1D7D159, 0x252370C8, 0xB6CEACEB},  // 28
    {0x285151B2, 0x5E28A35B, 0xF506A2CC, 0x0231373F, 0x79DCFB20},  // 29
    {0xBD26045B, 0xE5A25B37, 0x851B7701, 0x24A2B323, 0xD117D4BA},  // 30
    {0xCEC16AA5, 0x111C9E8C, 0xF506A2CC, 0x0231373F, 0xB9C78D78},  // 31
    {0xA4F3DEF5, 0x64390891, 0x851B7701, 0x24A2B323, 0xEC9617A6},  // 32
    {0x2B32A2CC, 0x8C896209, 0xA9A5D298, 0x0231373F, 0x23933CF7},  // 33
    {0x27AE5A96, 0x0059DC30, 0xDD2A1E24, 0xB75614BB, 0xCD6067F2},  // 34
    {0xBFDB4435, 0xF5DA80D1, 0x1874D625, 0x694C95DA, 0x445449D0},  // 35
    {0xD9F2B99E, 0xDBAD1327, 0x916A700A, 0x685C2D7A, 0x8AD19244},  // 36
    {0x5BE6AA38, 0x88DCB1BD, 0x0622137F, 0x62B3C9A1, 0x91D99397},  // 37
    {0x6C662446, 0xC44C7694, 0x000E279E, 0x404473C4, 0x0D1BA434},  // 38
    {0x2B32A2CC, 0x2B32A2CC, 0xF506A2CC, 0x0231373F, 0x1433EA77},  // 39
    {0xA9178A5E, 0xDD42D0EC, 0x851B7701, 0x24A2B323, 0xDF4AEB9B},  // 40
    {0x2B32A2CC, 0x2B32A2CC, 0xF506A2CC, 0x0231373F, 0x1433EA77},  // 41
    {0xC4E6A78E, 0xC4E6A78E, 0xC4E6A78E, 0xC4E6A78E, 0xC4E6A78E},  // 42
    {0xB191B730, 0xB191B730, 0xB191B730, 0xB191B730, 0xB191B730},  // 43
    {0xAC32ED8F, 0xAC32ED8F, 0x904E7E4F, 0x693D8919, 0xE39C4D97},  // 44
    {0x36767FF5, 0xA1B698EF, 0xB191B730, 0xB191B730, 0x90043D6E},  // 45
    {0xDBBA09FE, 0xE38F7F16, 0xE509FA84, 0x0BEBBF82, 0x322BA8A8},  // 46
    {0x284E92B2, 0x10BFBBB5, 0xB2E5FFBA, 0x7C3AEF34, 0x56C70D84},  // 47
    {0x5F986BD6, 0x42F17D4F, 0xF064B0E0, 0x944D0F96, 0xF7857971},  // 48
    {0x29D826DE, 0xECBC876C, 0xB961164A, 0x28970905, 0xD9EB11EB},  // 49
    {0x281A8CAC, 0xF2CCB002, 0x669F4678, 0x9E71FC51, 0xCF8E9E8E},  // 50
    {0xE8FEA5DD, 0x1913261C, 0x84FFEAAC, 0x8FCB618C, 0x88001C36},  // 51
    {0xB577DCD7, 0x4B5454C0, 0xBE6BBBCD, 0xF0012B00, 0x050F2699},  // 52
    {0xD0F8AE79, 0xE04D1C1E, 0x9727C280, 0x7235C42A, 0x68BD416C},  // 53
    {0x2A15618F, 0xDE2F9751, 0xB176BF3F, 0xA9B4BF9D, 0xA4FFE183},  // 54
    {0x15155BD0, 0x5D9EE544, 0xEC5B99FB, 0x0B08AD91, 0x024B9EE1},  // 55
    {0x748517A7, 0xBDBBBFAD, 0x3F7838B2, 0xA57D609C, 0x2562A9E1},  // 56
    {0x2B32A2CC, 0x2B32A2CC, 0xF506A2CC, 0x0231373F, 0x1433EA77},  // 57
    {0x128351C8, 0x128351C8, 0x93663224, 0xE16667D9, 0x82AA24CC},  // 58
    {0x2B32A2CC, 0x2B32A2CC, 0xBBACC936, 0x1026E3FE, 0xC3586EEB},  // 59
    {0x128351C8, 0x128351C8, 0x99BF9EF8, 0xB726C861, 0x99BF9EF8},  // 60
    {0x2B32A2CC, 0x2B32A2CC, 0xC705E103, 0x0CA9E3B1, 0xC705E103},  // 61
    {0xB24F4648, 0x3C5C23FD, 0x36E5F90A, 0x26CA6AC1, 0x36E5F90A},  // 62
};
static_assert(std::size(kEveryCode) == kModifierCodeCount);

TEST(MeshGolden, EveryModifierCodePlainAndAnimated) {
  for (int code = 0; code < kModifierCodeCount; ++code)
    for (std::size_t v = 0; v < std::size(kCodeVariants); ++v) {
      const CodeVariant& variant = kCodeVariants[v];
      const std::uint32_t sum = buildAll([&](GoldenFixture& f) {
        f.place(0, code % 2 ? objtype::Tube : objtype::Sphere, 9, 8);
        f.add(0, modcode::SelectionSubtract, -10, 8, 20, 24, 0);
        if (variant.amplitudeCode) f.animate(0, variant.amplitudeCode);
        const Modifier& p = variant.params;
        f.add(0, code, p.p1, p.p2, p.p3, p.p4, p.p5);
        f.add(0, modcode::GlobalRotateZ, 0, 0, 0, 0, 9);
      });
      EXPECT_EQ(sum, kEveryCode[code][v])
          << "code " << code << " \"" << kModifierCodes[code].listName << "\", " << variant.name;
    }
}

TEST(MeshGolden, ControlChainsInBothCoordinateSystems) {
  const std::uint32_t sum = buildAll(
      [](GoldenFixture& f) {
        for (int i = 0; i < 4; ++i) {
          f.place(i, objtype::Sphere + 2 * i, 6, 6);
          if (i == 2) f.animate(i, modcode::AnimaAbsSine);
          f.mixedList(i);
        }
        f.add(2, modcode::RotateZ, 0, 0, 0, 60, 30);
        f.object(0).controlMode = 1, f.object(0).controlObject = 1;
        f.object(1).controlMode = 2, f.object(1).controlObject = 2;
        f.object(2).controlMode = 1, f.object(2).controlObject = 3;
        f.object(3).controlMode = 2, f.object(3).controlObject = 0;
      },
      4);
  EXPECT_EQ(sum, 0x5B33CEA5u);
}

// Per clone type.
constexpr std::uint32_t kCloneTypes[] = {
    0x5505EEFE, 0xE5EC4D4D, 0xFF59CB50, 0x7DDCDB82, 0x11C24181, 0xE64CD156, 0xD25FD379,
    0x8BE61C5D, 0x3D3F7B39, 0x82C02494, 0x53EACB90, 0xDEAA350A, 0x81ACDD5B,
};

TEST(MeshGolden, ClonesOfEveryType) {
  for (int type = 0; type < static_cast<int>(std::size(kCloneTypes)); ++type) {
    const std::uint32_t sum = buildAll(
        [&](GoldenFixture& f) {
          f.place(0, objtype::Torus, 6, 5).normalMode = 3;
          f.mixedList(0);
          f.scene().clones[0] = CloneSettings{static_cast<std::uint8_t>(type), 3, 40, 2};
          for (int j = 1; j <= 3; ++j) f.place(j, objtype::Sphere, 4, 4);
          ExpandClones(f.scene());
        },
        4);
    EXPECT_EQ(sum, kCloneTypes[type]) << "clone type " << type;
  }
}

TEST(MeshGolden, ViewModesPostprocessorAndLargeGrids) {
  // Normal, Up, Bottom.
  constexpr std::uint32_t kViewModes[] = {0x734F817B, 0x59E33702, 0xD7543231};
  for (int mode = 0; mode < 3; ++mode) {
    const std::uint32_t sum = buildAll([&](GoldenFixture& f) {
      f.inputs.viewMode = static_cast<ViewMode>(mode);
      f.place(0, objtype::LandscapeOnCubeMinus, 20, 17);
      f.mixedList(0);
    });
    EXPECT_EQ(sum, kViewModes[mode]) << "view mode " << mode;
  }
  const std::uint32_t post = buildAll([](GoldenFixture& f) {
    f.place(0, objtype::Postprocessor, 12, 10);
    f.mixedList(0);
    f.animate(0, modcode::AnimaSine);
    f.add(0, modcode::TextureWavesU, 0, 0, 0, 30, 20);
  });
  EXPECT_EQ(post, 0xFC15124Fu) << "postprocessor";
  const std::uint32_t large = buildAll([](GoldenFixture& f) {
    f.place(0, objtype::Landscape, 255, 255);
    f.mixedList(0);
    f.add(0, modcode::NoiseSelection);
    f.add(0, modcode::GlobalRadialWaves, 0, 0, 0, 50, 20);
  });
  EXPECT_EQ(large, 0x017660ACu) << "255 x 255 landscape";
}

}  // namespace
}  // namespace tess
