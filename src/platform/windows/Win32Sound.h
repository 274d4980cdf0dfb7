#pragma once

// Windows only. Starts playing a complete WAV file image held in memory and returns at
// once; a new call stops the sound playing and starts again from the beginning. The system
// reads the image while it plays, so the bytes must stay valid and unchanged until the next
// call of either function. Returns false when the sound could not be started (no audio
// device, a malformed image); callers treat that as silence.
bool playWaveImage(const void* image);
// Stops the sound, if any, so that its bytes may be released.
void stopWaveImage();
