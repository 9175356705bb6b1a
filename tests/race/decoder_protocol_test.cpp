#include "race/decoder_protocol.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> ZL2Frame(int transponder, int h, int m, int s, int sub) {
  return {0xFF, 0xFF, 0xFF, 0xF0, static_cast<unsigned char>(transponder >> 8),
          static_cast<unsigned char>(transponder & 0xFF), static_cast<unsigned char>(h),
          static_cast<unsigned char>(m), static_cast<unsigned char>(s),
          static_cast<unsigned char>(sub >> 8), static_cast<unsigned char>(sub & 0xFF)};
}

std::vector<PassFrame> ScanAll(DecoderModel model, const std::vector<unsigned char>& bytes, int* consumed) {
  std::vector<PassFrame> frames(kMaxFramesPerBlock);
  int n = ScanPassFrames(model, bytes.data(), static_cast<int>(bytes.size()), frames.data(),
                         kMaxFramesPerBlock, consumed);
  frames.resize(n);
  return frames;
}

}  // namespace

TEST(DecoderFrames, PassTextsAndTheZL2TimeFormula) {
  EXPECT_EQ(PassTimeZL2(0, 0, 0, 18661 >> 8, 18661 & 0xFF), 0);
  EXPECT_EQ(PassTimeZL2(0, 0, 0, 0xFF, 0xFF), 999);
  EXPECT_EQ(PassTimeZL2(1, 2, 3, 0x48, 0xE5), 3723000);

  int consumed = 0;
  auto frames = ScanAll(DecoderModel::ZL2, {0xFF, 0xFF, 0xFF, 0xF0, 0x00, 0x2A, 0x01, 0x02, 0x03, 0x48, 0xE5}, &consumed);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_STREQ(frames[0].passText, "000042");
  EXPECT_EQ(frames[0].timeMs, 3723000);
  EXPECT_EQ(consumed, 11);

  frames = ScanAll(DecoderModel::ZL1, {0x30, 0x39, 0xFF, 0xFF}, &consumed);
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_STREQ(frames[0].passText, "012345");
  EXPECT_STREQ(frames[1].passText, "065535");
}

TEST(DecoderFrames, JunkBeforeAHeaderIsSkippedAndAnUnknownModelDecodesNothing) {
  std::vector<unsigned char> bytes = {0x00, 0x13, 0xFF, 0xFF};
  // An identify reply and a clock-reset acknowledgement during a stage are no passes.
  for (unsigned char b : {0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00}) bytes.push_back(b);
  auto frame = ZL2Frame(7, 0, 0, 5, 18661);
  bytes.insert(bytes.end(), frame.begin(), frame.end());
  int consumed = 0;
  auto frames = ScanAll(DecoderModel::ZL2, bytes, &consumed);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].transponder, 7);
  EXPECT_EQ(frames[0].timeMs, 5000);
  EXPECT_EQ(consumed, static_cast<int>(bytes.size()));

  frames = ScanAll(DecoderModel::Unknown, bytes, &consumed);
  EXPECT_TRUE(frames.empty());
  EXPECT_EQ(consumed, static_cast<int>(bytes.size())) << "discarded, never kept to stall the buffer";
  EXPECT_EQ(ModelFromName("Vellgrin"), DecoderModel::ZL1);
  EXPECT_EQ(ModelFromName("VellgrinZL2"), DecoderModel::ZL2);
  EXPECT_EQ(ModelFromName("VellgrinZL"), DecoderModel::Unknown);
  EXPECT_EQ(ModelFromName(""), DecoderModel::Unknown);
}

TEST(DecoderFrames, IdentifyRepliesAndAcknowledgementsAreSevenByteUnits) {
  int consumed = 0;
  const unsigned char wrongModel[] = {0xFF, 0xFF, 0xFF, 0x01, 0x03, 0x00, 0x00};
  EXPECT_EQ(ScanIdentifyReplies(wrongModel, 7, &consumed), 0);
  EXPECT_EQ(consumed, 7);
  const unsigned char reply[] = {0x55, 0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x09, 0x09};
  EXPECT_EQ(ScanIdentifyReplies(reply, 8, &consumed), 1);
  EXPECT_EQ(consumed, 8);
  // The first five bytes of a reply are kept for the next read.
  EXPECT_EQ(ScanIdentifyReplies(reply + 1, 5, &consumed), 0);
  EXPECT_EQ(consumed, 0);

  const unsigned char badAck[] = {0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x01};
  EXPECT_EQ(ScanClockResetAck(badAck, 7, &consumed), 0);
  EXPECT_EQ(consumed, 7);
  // The scan stops right after the acknowledgement: a pass behind it is the new clock's.
  const unsigned char ackThenPass[] = {0x00, 0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xF0, 0x00};
  EXPECT_EQ(ScanClockResetAck(ackThenPass, sizeof ackThenPass, &consumed), 1);
  EXPECT_EQ(consumed, 8);
}

// Frames split anywhere across reads all decode, in order, with their times: the tail of
// one read is kept and scanned with the next.
TEST(ReceiveBuffer, ThousandsOfFramesSplitAtRandomOffsetsAllDecode) {
  for (DecoderModel model : {DecoderModel::ZL2, DecoderModel::ZL1}) {
    std::mt19937 random(model == DecoderModel::ZL2 ? 11 : 12);
    std::vector<unsigned char> stream;
    std::vector<int> transponders;
    std::vector<int> times;
    for (int i = 0; i < 5000; ++i) {
      int transponder = random() % 65536;
      int sub = 18661 + static_cast<int>(random() % 46875);
      int second = i % 60;
      transponders.push_back(transponder);
      times.push_back(PassTimeZL2(0, i / 60 % 60, second, sub >> 8, sub & 0xFF));
      if (model == DecoderModel::ZL2) {
        auto frame = ZL2Frame(transponder, 0, i / 60 % 60, second, sub);
        stream.insert(stream.end(), frame.begin(), frame.end());
      } else {
        stream.push_back(static_cast<unsigned char>(transponder >> 8));
        stream.push_back(static_cast<unsigned char>(transponder & 0xFF));
      }
    }

    ReceiveBuffer buffer;
    ClearReceiveBuffer(&buffer);
    std::uint32_t tick = 0;
    std::vector<PassFrame> decoded;
    PassFrame frames[kMaxFramesPerBlock];
    for (std::size_t at = 0; at < stream.size();) {
      int room = 0;
      unsigned char* target = ReadTarget(&buffer, &room);
      int n = std::min<int>(room, 1 + random() % 40);
      n = std::min<int>(n, static_cast<int>(stream.size() - at));
      std::copy(stream.begin() + at, stream.begin() + at + n, target);
      at += n;
      tick += 20;
      RecordRead(&buffer, n, tick, kRemainderSilenceMs);
      int consumed = 0;
      int count = ScanPassFrames(model, buffer.bytes, buffer.length, frames, kMaxFramesPerBlock, &consumed);
      KeepRemainder(&buffer, consumed);
      ASSERT_LT(buffer.length, model == DecoderModel::ZL2 ? kPassFrameSizeZL2 : kPassFrameSizeZL1);
      decoded.insert(decoded.end(), frames, frames + count);
    }
    ASSERT_EQ(decoded.size(), transponders.size());
    for (std::size_t i = 0; i < decoded.size(); ++i) {
      ASSERT_EQ(decoded[i].transponder, transponders[i]) << i;
      if (model == DecoderModel::ZL2) {
        ASSERT_EQ(decoded[i].timeMs, times[i]) << i;
      }
    }
  }
}

TEST(ReceiveBuffer, AKeptTailIsDroppedOnlyByAnEmptyReadAfterASilenceOfTheLine) {
  ReceiveBuffer buffer;
  ClearReceiveBuffer(&buffer);
  auto frame = ZL2Frame(42, 0, 0, 1, 18661);
  auto keepFirstPiece = [&](std::uint32_t tick) {
    ClearReceiveBuffer(&buffer);
    int room = 0;
    std::copy(frame.begin(), frame.begin() + 5, ReadTarget(&buffer, &room));
    RecordRead(&buffer, 5, tick, kRemainderSilenceMs);
    int consumed = 0;
    PassFrame frames[kMaxFramesPerBlock];
    EXPECT_EQ(ScanPassFrames(DecoderModel::ZL2, buffer.bytes, buffer.length, frames, kMaxFramesPerBlock, &consumed),
              0);
    KeepRemainder(&buffer, consumed);
    EXPECT_EQ(buffer.length, 5);
  };
  keepFirstPiece(1000);
  RecordRead(&buffer, 0, 1000 + kRemainderSilenceMs, kRemainderSilenceMs);
  EXPECT_EQ(buffer.length, 5) << "a silence of the bound itself keeps the tail";
  RecordRead(&buffer, 0, 1000 + kRemainderSilenceMs + 1, kRemainderSilenceMs);
  EXPECT_EQ(buffer.length, 0);

  // A read long after the first piece (a late tick, a 100 ms tick) that brings the rest of
  // the frame completes it, however long ago the tail came.
  for (std::uint32_t late : {60u, 100u, 250u, 1000u}) {
    keepFirstPiece(2000);
    int room = 0;
    std::copy(frame.begin() + 5, frame.end(), ReadTarget(&buffer, &room));
    RecordRead(&buffer, static_cast<int>(frame.size()) - 5, 2000 + late, RemainderSilenceLimitMs(DecoderModel::ZL2, 100));
    PassFrame frames[kMaxFramesPerBlock];
    int consumed = 0;
    ASSERT_EQ(ScanPassFrames(DecoderModel::ZL2, buffer.bytes, buffer.length, frames, kMaxFramesPerBlock, &consumed),
              1)
        << late;
    EXPECT_EQ(frames[0].transponder, 42);
  }

  // The limit allows for late reads: two periods of the timer at least; a ZL2 tail waits out
  // a loaded machine, a ZL1 odd byte only the line's own bound.
  EXPECT_EQ(RemainderSilenceLimitMs(DecoderModel::ZL2, 20), kLongestReadWaitMs);
  EXPECT_EQ(RemainderSilenceLimitMs(DecoderModel::ZL2, 400), 800u);
  EXPECT_EQ(RemainderSilenceLimitMs(DecoderModel::ZL1, 20), kRemainderSilenceMs);
  EXPECT_EQ(RemainderSilenceLimitMs(DecoderModel::ZL1, 100), 200u);
  keepFirstPiece(3000);
  RecordRead(&buffer, 0, 3150, RemainderSilenceLimitMs(DecoderModel::ZL2, 100));
  EXPECT_EQ(buffer.length, 5) << "an empty 100 ms tick after a read that came late";

  // The tick count may wrap between the two reads.
  ClearReceiveBuffer(&buffer);
  RecordRead(&buffer, 3, 0xFFFFFFF0u, kRemainderSilenceMs);
  RecordRead(&buffer, 0, 0x10, kRemainderSilenceMs);
  EXPECT_EQ(buffer.length, 3);
}

// The beginning of a frame that never got its rest, followed by a whole frame in the same
// block: the whole frame counts, the broken one does not, wherever the break fell.
TEST(PassFrames, AFrameInterruptedByAHeaderIsCutOffThere) {
  auto broken = ZL2Frame(17, 0, 1, 2, 30000);
  auto whole = ZL2Frame(18, 0, 1, 3, 40000);
  for (int kept = 1; kept <= 7; ++kept) {
    std::vector<unsigned char> bytes(broken.begin(), broken.begin() + kept);
    bytes.insert(bytes.end(), whole.begin(), whole.end());
    PassFrame frames[kMaxFramesPerBlock];
    int consumed = 0;
    ASSERT_EQ(ScanPassFrames(DecoderModel::ZL2, bytes.data(), static_cast<int>(bytes.size()), frames,
                             kMaxFramesPerBlock, &consumed),
              1)
        << kept;
    EXPECT_EQ(frames[0].transponder, 18) << kept;
    EXPECT_EQ(consumed, static_cast<int>(bytes.size()));
  }
  // Real frames never hold a header, whatever their numbers: 0xFFFF and the largest counts.
  std::vector<unsigned char> stream;
  for (int t : {0xFFFF, 0xFFF0, 0xF0FF}) {
    auto f = ZL2Frame(t, 23, 59, 59, 65535);
    stream.insert(stream.end(), f.begin(), f.end());
  }
  PassFrame frames[kMaxFramesPerBlock];
  int consumed = 0;
  EXPECT_EQ(ScanPassFrames(DecoderModel::ZL2, stream.data(), static_cast<int>(stream.size()), frames,
                           kMaxFramesPerBlock, &consumed),
            3);
  EXPECT_EQ(frames[0].transponder, 0xFFFF);
}
