// The distribution dialog's control ids, the ranges and initial values of its
// edit fields, and the product name and version it shows.
#pragma once

#include "adm/ADMTypes.h"

namespace distribution {

inline constexpr char kProductName[] = "Voxtrel";
inline constexpr char kProductVersion[] = "1.3.2";
// The version line: product name and version, padded with ten spaces.
inline constexpr char kVersionFormat[] = "%s v%s          ";
inline constexpr ADMFont kVersionFont = kADMBoldPaletteFont;

enum ControlId : int {
    kApply = 3,
    // "Cube Dimensions": the size of the box.
    kBoxX = 210,
    kBoxY = 211,
    kBoxZ = 212,
    kDistributeRandomly = 216,
    // Stepped distribution: minimum, maximum and increment of the step per axis.
    kStepMinX = 220,
    kStepMaxX = 221,
    kStepIncX = 222,
    kIncrementLabelX = 223,
    kMinLabelX = 224,
    kMaxLabelX = 225,
    kStepMinY = 226,
    kStepMaxY = 227,
    kStepIncY = 228,
    kIncrementLabelY = 229,
    kMinLabelY = 230,
    kMaxLabelY = 231,
    kStepMinZ = 232,
    kStepMaxZ = 233,
    kStepIncZ = 234,
    kIncrementLabelZ = 235,
    kMinLabelZ = 236,
    kMaxLabelZ = 237,
    kDistanceFrame = 238,
    kAxisLabelX = 239,
    kAxisLabelY = 240,
    kAxisLabelZ = 241,
    // "Layer Orientation".
    kOrientXY = 500,
    kOrientXZ = 501,
    kOrientYZ = 502,
    kTowardsCamera = 503,
    kKeepOrientation = 504,
    kRandomOrientation = 505,
    kCameraPopup = 510,
    // "Starting Value".
    kStartX = 515,
    kStartY = 516,
    kStartZ = 517,
    kReverseOrder = 520,
    kRandomOrder = 521,
    kUseCompCenter = 522,
    kRepeatSequentially = 523,
    kKeyPosition = 524,
    kKeyOrientation = 525,
    kKeyScale = 526,
    kScaleToFit = 527,
    kRepeatLayers = 528,
    kRepeatCount = 529,
    kVersionLine = 530,
    kCropTextLayers = 531,
    kStartLabelX = 1100,
    kStartLabelY = 1101,
    kStartLabelZ = 1102,
    kStartFrame = 1103,
};

}  // namespace distribution

// Ranges and initial values of the edit fields, per axis.
inline constexpr float EDIT_DIM_X_MIN = 0.1f;
inline constexpr float EDIT_DIM_Y_MIN = 0.1f;
inline constexpr float EDIT_DIM_Z_MIN = 0.1f;
inline constexpr float EDIT_DIM_X_MAX = 10000000.0f;
inline constexpr float EDIT_DIM_Y_MAX = 10000000.0f;
inline constexpr float EDIT_DIM_Z_MAX = 10000000.0f;
inline constexpr float EDIT_DIM_X_DFLT = 1000.0f;
inline constexpr float EDIT_DIM_Y_DFLT = 1000.0f;
inline constexpr float EDIT_DIM_Z_DFLT = 1000.0f;

inline constexpr float EDIT_SP_X_MIN = -10000000.0f;
inline constexpr float EDIT_SP_Y_MIN = -10000000.0f;
inline constexpr float EDIT_SP_Z_MIN = -10000000.0f;
inline constexpr float EDIT_SP_X_MAX = 10000000.0f;
inline constexpr float EDIT_SP_Y_MAX = 10000000.0f;
inline constexpr float EDIT_SP_Z_MAX = 10000000.0f;
inline constexpr float EDIT_SP_X_DFLT = 0.0f;
inline constexpr float EDIT_SP_Y_DFLT = 0.0f;
inline constexpr float EDIT_SP_Z_DFLT = 0.0f;

inline constexpr float EDIT_DIST_MIN_X_MIN = -10000000.0f;
inline constexpr float EDIT_DIST_MIN_Y_MIN = -10000000.0f;
inline constexpr float EDIT_DIST_MIN_Z_MIN = -10000000.0f;
inline constexpr float EDIT_DIST_MIN_X_MAX = 10000000.0f;
inline constexpr float EDIT_DIST_MIN_Y_MAX = 10000000.0f;
inline constexpr float EDIT_DIST_MIN_Z_MAX = 10000000.0f;
inline constexpr float EDIT_DIST_MIN_X_DFLT = 50.0f;
inline constexpr float EDIT_DIST_MIN_Y_DFLT = 50.0f;
inline constexpr float EDIT_DIST_MIN_Z_DFLT = 50.0f;

inline constexpr float EDIT_DIST_MAX_X_MIN = -10000000.0f;
inline constexpr float EDIT_DIST_MAX_Y_MIN = -10000000.0f;
inline constexpr float EDIT_DIST_MAX_Z_MIN = -10000000.0f;
inline constexpr float EDIT_DIST_MAX_X_MAX = 10000000.0f;
inline constexpr float EDIT_DIST_MAX_Y_MAX = 10000000.0f;
inline constexpr float EDIT_DIST_MAX_Z_MAX = 10000000.0f;
inline constexpr float EDIT_DIST_MAX_X_DFLT = 50.0f;
inline constexpr float EDIT_DIST_MAX_Y_DFLT = 50.0f;
inline constexpr float EDIT_DIST_MAX_Z_DFLT = 50.0f;

inline constexpr float EDIT_DIST_INC_X_MIN = -10000000.0f;
inline constexpr float EDIT_DIST_INC_Y_MIN = -10000000.0f;
inline constexpr float EDIT_DIST_INC_Z_MIN = -10000000.0f;
inline constexpr float EDIT_DIST_INC_X_MAX = 10000000.0f;
inline constexpr float EDIT_DIST_INC_Y_MAX = 10000000.0f;
inline constexpr float EDIT_DIST_INC_Z_MAX = 10000000.0f;
inline constexpr float EDIT_DIST_INC_X_DFLT = 0.0f;
inline constexpr float EDIT_DIST_INC_Y_DFLT = 0.0f;
inline constexpr float EDIT_DIST_INC_Z_DFLT = 0.0f;

// The repeat count field.
inline constexpr float EDIT_REPEAT_MIN = 1.0f;
inline constexpr float EDIT_REPEAT_MAX = 10000.0f;
inline constexpr float EDIT_REPEAT_DFLT = 1.0f;
