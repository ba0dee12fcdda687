// The caption of the plug-in's own message boxes.
#pragma once

inline constexpr char kMessageCaption[] = "Tessaly";
