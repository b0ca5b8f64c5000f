#include "sim/FrameAssembler.h"

#include <gtest/gtest.h>

#include "RequestFrames.h"

namespace lur::sim {
namespace {

using namespace lur::sim::testing;

constexpr int kSilence = 5;

// One request of every kind the controller understands.
std::vector<Bytes> EveryKindOfRequest() {
  Bytes textPage{40};
  textPage.resize(225, 'a');
  return {
      Request(1, 0x11),
      Request(1, 0x44, {10}),
      Request(1, 0x45, textPage),
      Request(1, 0x45, {99, 4}),
      Request(5, 14),
      Standard(1, 1, 1016, 16),
      Standard(1, 2, 0, 12),
      Standard(1, 3, 672, 36),
      Standard(1, 4, 1000, 7),
      Standard(1, 5, 0x1023, 0xFF00),
      Standard(1, 6, 10, 1),
      Request(1, 15, {0, 0, 0, 10, 2, 0xFF, 0x03}),
      Request(1, 16, {0x02, 0xA0, 0, 2, 4, 1, 2, 3, 4}),
      Request(0, 0x46, {5, 7, 9, 1, 2, 24, 4}),
      Request(1, 0x47, {0, 6}),
  };
}

TEST(FrameAssembler, CutsBackToBackRequestsByTheirLengths) {
  const std::vector<Bytes> requests = EveryKindOfRequest();
  Bytes stream;
  for (const Bytes& r : requests) stream.insert(stream.end(), r.begin(), r.end());

  FrameAssembler whole(kSilence);
  EXPECT_EQ(whole.Feed(stream, 0), requests);
  EXPECT_EQ(whole.PendingBytes(), 0u);

  // Byte by byte within the silence: each frame ends on its last byte.
  FrameAssembler single(kSilence);
  std::vector<Bytes> frames;
  for (const std::uint8_t b : stream) {
    for (auto& f : single.Feed(Bytes{b}, 1)) frames.push_back(std::move(f));
  }
  EXPECT_EQ(frames, requests);
}

TEST(FrameAssembler, StrayBytesInFrontAreDroppedAtTheSilence) {
  FrameAssembler assembler(kSilence);
  const Bytes identity = Request(1, 0x11);
  Bytes noisy{0x13, 0x37};
  noisy.insert(noisy.end(), identity.begin(), identity.end());
  EXPECT_TRUE(assembler.Feed(noisy, 100).empty());
  EXPECT_EQ(assembler.MsUntilSilence(102), 3);
  EXPECT_FALSE(assembler.Idle(104));
  EXPECT_EQ(assembler.Idle(105), identity);
  EXPECT_EQ(assembler.PendingBytes(), 0u);
  EXPECT_EQ(assembler.MsUntilSilence(105), -1);
}

TEST(FrameAssembler, GarbageNeverWedgesTheParser) {
  FrameAssembler assembler(kSilence);
  // A page write header promising 229 bytes that never come, then noise.
  EXPECT_TRUE(assembler.Feed(Bytes{1, 0x45, 40, 1, 2, 3}, 0).empty());
  EXPECT_TRUE(assembler.Feed(Bytes(700, 0xAA), 1).empty());
  EXPECT_LE(assembler.PendingBytes(), 300u);
  EXPECT_FALSE(assembler.Idle(10));
  // After the silence the next request is taken as usual.
  const Bytes read = Request(1, 0x44, {12});
  EXPECT_EQ(assembler.Feed(read, 20), std::vector<Bytes>{read});
  // A request that follows garbage after a silence settles the garbage first.
  EXPECT_TRUE(assembler.Feed(Bytes{0xFF, 0xFE}, 30).empty());
  EXPECT_EQ(assembler.Feed(read, 40), std::vector<Bytes>{read});
}

TEST(FrameAssembler, FramesOfUnknownLengthEndAtTheSilence) {
  FrameAssembler assembler(kSilence);
  // Another function, so the controller can answer it "illegal function".
  const Bytes other = Request(1, 0x2B, {0x0E, 1, 0});
  EXPECT_TRUE(assembler.Feed(other, 0).empty());
  EXPECT_EQ(assembler.Idle(kSilence), other);
  // A page write of the wrong length, so the controller can refuse it.
  Bytes shortWrite{10};
  shortWrite.resize(151, 0);
  const Bytes write = Request(1, 0x45, shortWrite);
  EXPECT_TRUE(assembler.Feed(write, 100).empty());
  EXPECT_EQ(assembler.Idle(100 + kSilence), write);
  // A longer one too: its first 198 bytes fail their CRC and wait.
  Bytes longWrite{10};
  longWrite.resize(200, 0);
  const Bytes tooLong = Request(1, 0x45, longWrite);
  EXPECT_TRUE(assembler.Feed(tooLong, 200).empty());
  EXPECT_EQ(assembler.Idle(200 + kSilence), tooLong);
}

}  // namespace
}  // namespace lur::sim
