#pragma once
// Every byte the tool exchanges with the unit's controller.
//
// One layout in both directions: type/command byte, a 0x00 header byte, 0 or 200
// big-endian signed 16-bit words, and a check byte chosen so that 173 plus the sum
// of all bytes is 0 modulo 256. Frames carry no length and no start marker: the
// line's silence delimits them.

#include <cstdint>
#include <vector>

#include "app/ValueImage.h"

using Frame = std::vector<std::uint8_t>;

constexpr int CheckSeed = 173;
constexpr std::int32_t NoChangeWord = 0x9F45;  // in the process block: leave this register alone
constexpr int BlockLength = 403;               // write blocks and the replies applied
constexpr int RequestLength = 3;

// Commands the tool sends and the reply types it interprets (command + 1).
constexpr std::uint8_t ProcessRequestCommand = 0x0C;
constexpr std::uint8_t ControlsRequestCommand = 0x16;
constexpr std::uint8_t ControlsBlockCommand = 0x20;
constexpr std::uint8_t ProcessBlockCommand = 0x22;
constexpr std::uint8_t ProcessReplyType = 13;
constexpr std::uint8_t ControlsReplyType = 23;
constexpr std::uint8_t WriteReplyType = 33;

// The check byte that closes a frame whose preceding bytes sum (from the seed) to `sum`.
std::uint8_t CheckByteFor(std::uint32_t sum);
// Closes `frame` (all bytes but the check byte) with its check byte.
void AppendCheckByte(Frame& frame);

Frame ProcessRequest();   // 0x0C 0x00 0x47
Frame ControlsRequest();  // 0x16 0x00 0x3D

// All 200 control registers as they stand in Values, changed or not.
Frame ControlsBlock(const ValueImage& image);

// Each process register whose PendingEdit flag is 1 carries its value, and its flag
// is reset as the word is emitted; every other register carries NoChangeWord.
Frame ProcessBlock(ValueImage& image);

// True when 173 plus RxBuffer[0..RxCount-1] is 0 modulo 256.
bool FrameSumOk(const ValueImage& image);
// The same check on a frame held as bytes.
bool FrameSumOk(const Frame& frame);

// The signed word whose high byte is RxBuffer[slot] and low byte RxBuffer[slot+1].
// Contract: 0 <= slot < RxBufferSlots - 1.
std::int32_t DecodeWord(const ValueImage& image, int slot);

// The signed value of a word given as its two line bytes.
std::int32_t WordFromBytes(std::uint8_t hi, std::uint8_t lo);

// A complete frame of `type` with the given words, check byte included. Used by the
// simulated unit for its replies and by tests.
Frame BuildFrame(std::uint8_t type, const std::vector<std::int32_t>& words);
