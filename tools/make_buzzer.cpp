// Writes the scoreboard's buzzer sound: about one second of a two-tone blend
// (a band-limited square wave and a sine a fifth above it) with a short
// attack and a soft release, as a 16-bit mono PCM WAV file.
//
//   make_buzzer OUTPUT.WAV
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;
constexpr double kSeconds = 1.0;
constexpr double kSquareHz = 392.0;  // the body of the buzz
constexpr double kSineHz = 587.3;    // a fifth above, for an edge that carries
constexpr double kAttackSeconds = 0.01;
constexpr double kReleaseSeconds = 0.18;
constexpr double kPeak = 0.8;  // of full scale, so nothing clips

// Odd harmonics up to well below the Nyquist limit, so the square does not alias.
double Square(double phase) {
  double sum = 0.0;
  for (int k = 1; k * kSquareHz < kSampleRate / 2.5; k += 2) sum += std::sin(k * phase) / k;
  return sum * 4.0 / std::numbers::pi;
}

double Envelope(double t) {
  if (t < kAttackSeconds) return t / kAttackSeconds;
  const double untilEnd = kSeconds - t;
  if (untilEnd < kReleaseSeconds) return untilEnd / kReleaseSeconds;
  return 1.0;
}

std::vector<std::int16_t> Synthesise() {
  const int count = static_cast<int>(kSampleRate * kSeconds);
  std::vector<std::int16_t> samples(count);
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double value = 0.6 * Square(2 * std::numbers::pi * kSquareHz * t) +
                         0.4 * std::sin(2 * std::numbers::pi * kSineHz * t);
    // The band-limited square overshoots 1 a little (Gibbs): scale for it.
    samples[i] = static_cast<std::int16_t>(std::lround(value / 1.1 * Envelope(t) * kPeak * 32767));
  }
  return samples;
}

void PutLE(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool WriteWave(const std::string& path, const std::vector<std::int16_t>& samples) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  out.write("RIFF", 4);
  PutLE(out, 36 + dataBytes, 4);
  out.write("WAVEfmt ", 8);
  PutLE(out, 16, 4);               // format chunk size
  PutLE(out, 1, 2);                // PCM
  PutLE(out, 1, 2);                // mono
  PutLE(out, kSampleRate, 4);      // samples per second
  PutLE(out, kSampleRate * 2, 4);  // bytes per second
  PutLE(out, 2, 2);                // bytes per sample frame
  PutLE(out, 16, 2);               // bits per sample
  out.write("data", 4);
  PutLE(out, dataBytes, 4);
  for (std::int16_t s : samples) PutLE(out, static_cast<std::uint16_t>(s), 2);
  return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.WAV\n", argv[0]);
    return 2;
  }
  if (!WriteWave(argv[1], Synthesise())) {
    std::fprintf(stderr, "Cannot create file %s\n", argv[1]);
    return 1;
  }
  return 0;
}
