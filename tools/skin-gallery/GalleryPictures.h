#pragma once
// The pictures the gallery needs beyond the built-in ones: an 8-state check
// box strip, a 5-state radio button strip, a 7-state strip of task status
// icons and the two progress-bar pictures. Written as PNG files into a
// folder.
#include <string>

// Writes checkbox8.png, radio5.png, taskicons.png, bar.png and fill.png
// into folder; false when one could not be written.
bool WriteGalleryPictures(const std::string& folder);
