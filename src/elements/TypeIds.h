#pragma once
// Fixed type ids of the element classes that code refers to by id. Files store
// these numbers, so they never change; the type table (document/TypeTable.cpp)
// says what each id is.

#include <cstdint>

namespace loopora {

namespace typeids {
constexpr int32_t kGroup = 0;
constexpr int32_t kCanvas = 2;
constexpr int32_t kChain2 = 3;
constexpr int32_t kChain3 = 4;
constexpr int32_t kCircle = 6;
constexpr int32_t kDouble = 7;
constexpr int32_t kDoubleTreble = 43;
constexpr int32_t kLens = 44;
constexpr int32_t kChain = 45;
constexpr int32_t kSlipStitch = 46;
constexpr int32_t kHalfDouble = 47;
constexpr int32_t kLine = 53;
constexpr int32_t kSingle = 58;
constexpr int32_t kTreble = 65;
constexpr int32_t kTrebleTreble = 68;
constexpr int32_t kChainRing = 143;
constexpr int32_t kRectangle = 148;
constexpr int32_t kText = 149;
constexpr int32_t kDoubleWithChainTop = 150;
constexpr int32_t kRow = 152;
constexpr int32_t kArc = 153;
constexpr int32_t kLoopedArc = 154;
constexpr int32_t kTriangleFill = 155;
} // namespace typeids

} // namespace loopora
