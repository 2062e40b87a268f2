// Sound effects synthesised from tones, bells and filtered noise.
//
//   draw    a card sliding off the stock        move    a softer, shorter slide
//   down    a card put down on the felt          group   two quick clicks
//   chow    a two-note chime (a taken discard)   block   two knocks on wood (a lay-off)
//   fight   a brass stab with a cymbal           fight2  a higher stab with a whoosh
//   win     a rising arpeggio and chord          lost    a falling "wah-wah" line
//   turn    a bright bell                        error   a low double buzz
//   tak     the wheel's plastic tick (MP3)
#include "sounds.h"

#include <lame/lame.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "canvas.h"  // Rng

namespace assetgen {

namespace {

constexpr float kPi = 3.14159265358979f;
using Buf = std::vector<float>;

Buf Make(float seconds) { return Buf(size_t(seconds * kSampleRate), 0.0f); }

float Env(float t, float attack, float decay) {
  if (t < 0) return 0;
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / decay);
}

enum class Wave { Sine, Triangle, Square, Saw };

// One oscillator sample at phase p (radians), band-limited by summing harmonics below 9 kHz.
float Osc(Wave w, float p, float freq) {
  if (w == Wave::Sine) return std::sin(p);
  int maxH = std::max(1, int(9000 / std::max(freq, 1.0f)));
  float v = 0;
  for (int h = 1; h <= maxH; ++h) {
    if (w == Wave::Square && h % 2 == 0) continue;
    if (w == Wave::Triangle && h % 2 == 0) continue;
    float a = w == Wave::Saw ? 1.0f / h : w == Wave::Square ? 1.0f / h : 1.0f / (h * h) * ((h / 2) % 2 ? -1.0f : 1.0f);
    v += a * std::sin(p * h);
  }
  return v * (w == Wave::Triangle ? 0.8f : 0.6f);
}

struct Tone {
  float start = 0, dur = 0.3f, freq = 440, freqEnd = 0, amp = 0.5f, attack = 0.005f, decay = 0.2f;
  Wave wave = Wave::Sine;
  float vibrato = 0, vibratoRate = 5.5f;
};

void AddTone(Buf& b, const Tone& t) {
  float phase = 0, fEnd = t.freqEnd > 0 ? t.freqEnd : t.freq;
  size_t s0 = size_t(t.start * kSampleRate), n = size_t(t.dur * kSampleRate);
  for (size_t i = 0; i < n && s0 + i < b.size(); ++i) {
    float tt = float(i) / kSampleRate;
    float f = t.freq * std::pow(fEnd / t.freq, tt / t.dur);
    f *= 1 + t.vibrato * std::sin(2 * kPi * t.vibratoRate * tt) * std::min(1.0f, tt / 0.15f);
    phase += 2 * kPi * f / kSampleRate;
    float fade = std::min(1.0f, (t.dur - tt) / 0.01f);  // no click at the end
    b[s0 + i] += t.amp * Env(tt, t.attack, t.decay) * fade * Osc(t.wave, phase, f);
  }
}

// A struck bell: inharmonic partials, the higher ones dying sooner.
void AddBell(Buf& b, float start, float freq, float amp, float decay) {
  const float ratio[] = {1.0f, 2.0f, 2.76f, 4.07f, 5.4f};
  const float level[] = {1.0f, 0.55f, 0.4f, 0.22f, 0.12f};
  for (int k = 0; k < 5; ++k) {
    Tone t;
    t.start = start;
    t.freq = freq * ratio[k];
    t.amp = amp * level[k];
    t.attack = 0.002f;
    t.decay = decay / (1 + k * 0.6f);
    t.dur = std::min(decay * 5, 3.0f);
    AddTone(b, t);
  }
}

struct Noise {
  float start = 0, dur = 0.1f, amp = 0.5f, attack = 0.002f, decay = 0.03f;
  float lowpass = 8000, lowpassEnd = 0, highpass = 200;
  int seed = 1;
};

void AddNoise(Buf& b, const Noise& nz) {
  Rng rng(std::uint64_t(nz.seed) * 7919u);
  size_t s0 = size_t(nz.start * kSampleRate), n = size_t(nz.dur * kSampleRate);
  float lp = 0, lp2 = 0, hpIn = 0, hpOut = 0;
  float lpEnd = nz.lowpassEnd > 0 ? nz.lowpassEnd : nz.lowpass;
  float hpA = 1.0f / (1.0f + 2 * kPi * nz.highpass / kSampleRate);
  for (size_t i = 0; i < n && s0 + i < b.size(); ++i) {
    float tt = float(i) / kSampleRate;
    float cutoff = nz.lowpass * std::pow(lpEnd / nz.lowpass, tt / nz.dur);
    float a = 1 - std::exp(-2 * kPi * cutoff / kSampleRate);
    float x = rng.Uniform(-1, 1);
    lp += a * (x - lp);
    lp2 += a * (lp - lp2);  // two poles
    float hp = hpA * (hpOut + lp2 - hpIn);
    hpIn = lp2;
    hpOut = hp;
    float fade = std::min(1.0f, (nz.dur - tt) / 0.005f);
    b[s0 + i] += nz.amp * Env(tt, nz.attack, nz.decay) * fade * hp * 2.2f;
  }
}

std::vector<std::int16_t> Finish(Buf b, float peak = 0.89f) {
  float m = 1e-6f;
  for (float v : b) m = std::max(m, std::fabs(v));
  std::vector<std::int16_t> out(b.size());
  size_t fade = std::min<size_t>(b.size() / 4, 220);
  for (size_t i = 0; i < b.size(); ++i) {
    float g = peak / m;
    if (i < 16) g *= float(i) / 16;                        // no click at the start
    if (i + fade >= b.size()) g *= float(b.size() - i) / fade;  // nor at the end
    out[i] = std::int16_t(std::clamp(std::lround(b[i] * g * 32767), -32768L, 32767L));
  }
  return out;
}

float Midi(int note) { return 440.0f * std::pow(2.0f, (note - 69) / 12.0f); }

}  // namespace

std::vector<std::int16_t> SynthesiseEffect(const std::string& name) {
  if (name == "draw") {  // card slide: a swelling band of noise, then a soft stop
    Buf b = Make(0.26f);
    AddNoise(b, {0.0f, 0.2f, 0.6f, 0.07f, 0.06f, 2500, 6500, 700, 3});
    AddNoise(b, {0.17f, 0.06f, 0.35f, 0.001f, 0.012f, 5000, 0, 1500, 4});
    return Finish(b, 0.7f);
  }
  if (name == "move") {
    Buf b = Make(0.16f);
    AddNoise(b, {0.0f, 0.15f, 0.5f, 0.03f, 0.04f, 5000, 3000, 1200, 5});
    return Finish(b, 0.5f);
  }
  if (name == "down") {  // card down: a snap and a small thump
    Buf b = Make(0.17f);
    AddNoise(b, {0.0f, 0.08f, 0.8f, 0.0008f, 0.016f, 6000, 2500, 500, 6});
    AddTone(b, {0.0f, 0.12f, 130, 70, 0.6f, 0.002f, 0.035f});
    return Finish(b, 0.8f);
  }
  if (name == "group") {  // two quick clicks
    Buf b = Make(0.15f);
    for (float at : {0.0f, 0.065f}) {
      AddTone(b, {at, 0.05f, 2300, 2100, 0.5f, 0.0005f, 0.008f});
      AddTone(b, {at, 0.05f, 1150, 0, 0.3f, 0.0005f, 0.012f});
      AddNoise(b, {at, 0.01f, 0.4f, 0.0003f, 0.003f, 9000, 0, 2000, 7});
    }
    return Finish(b, 0.7f);
  }
  if (name == "chow") {  // chime: two bell notes rising
    Buf b = Make(0.9f);
    AddBell(b, 0.0f, Midi(88), 0.5f, 0.35f);  // E6
    AddBell(b, 0.09f, Midi(95), 0.45f, 0.4f);  // B6
    return Finish(b, 0.75f);
  }
  if (name == "block") {  // lay-off: two knocks on wood
    Buf b = Make(0.3f);
    for (float at : {0.0f, 0.11f}) {
      AddTone(b, {at, 0.09f, 380, 340, 0.7f, 0.0008f, 0.025f});
      AddTone(b, {at, 0.06f, 920, 0, 0.3f, 0.0005f, 0.012f});
      AddNoise(b, {at, 0.02f, 0.5f, 0.0003f, 0.005f, 3500, 0, 300, 8});
    }
    return Finish(b, 0.85f);
  }
  if (name == "fight") {  // a brass stab, then a held chord with a cymbal
    Buf b = Make(0.8f);
    for (int note : {67, 74, 79}) {  // G4 D5 G5
      Tone t;
      t.wave = Wave::Saw;
      t.freq = Midi(note);
      t.amp = 0.22f;
      t.attack = 0.012f;
      t.decay = 0.06f;
      t.dur = 0.12f;
      AddTone(b, t);
      t.start = 0.15f;
      t.dur = 0.62f;
      t.decay = 0.35f;
      t.vibrato = 0.006f;
      AddTone(b, t);
    }
    AddNoise(b, {0.15f, 0.6f, 0.35f, 0.002f, 0.18f, 12000, 0, 3500, 9});
    AddTone(b, {0.15f, 0.2f, 90, 50, 0.6f, 0.002f, 0.06f});
    return Finish(b);
  }
  if (name == "fight2") {  // higher and shorter, with a whoosh into it
    Buf b = Make(0.55f);
    AddNoise(b, {0.0f, 0.16f, 0.4f, 0.12f, 0.04f, 1500, 7000, 400, 10});
    for (int note : {69, 76, 81}) {  // A4 E5 A5
      Tone t;
      t.wave = Wave::Saw;
      t.start = 0.12f;
      t.freq = Midi(note) * 0.94f;
      t.freqEnd = Midi(note);
      t.amp = 0.22f;
      t.attack = 0.01f;
      t.decay = 0.16f;
      t.dur = 0.42f;
      AddTone(b, t);
    }
    return Finish(b);
  }
  if (name == "win") {  // rising arpeggio, then a bright chord with sparkles
    Buf b = Make(1.5f);
    const int arp[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) {
      Tone t;
      t.wave = Wave::Triangle;
      t.start = i * 0.1f;
      t.freq = Midi(arp[i]);
      t.amp = 0.35f;
      t.attack = 0.004f;
      t.decay = 0.18f;
      t.dur = 0.4f;
      AddTone(b, t);
      AddBell(b, i * 0.1f, Midi(arp[i] + 12), 0.08f, 0.15f);
    }
    for (int note : {84, 88, 91}) {
      Tone t;
      t.wave = Wave::Triangle;
      t.start = 0.42f;
      t.freq = Midi(note);
      t.amp = 0.26f;
      t.attack = 0.01f;
      t.decay = 0.45f;
      t.dur = 1.05f;
      t.vibrato = 0.004f;
      AddTone(b, t);
    }
    for (int i = 0; i < 5; ++i) AddBell(b, 0.45f + i * 0.09f, Midi(96 + (i % 3) * 4), 0.06f, 0.12f);
    return Finish(b);
  }
  if (name == "lost") {  // a sad trombone: three falling steps, a long last note
    Buf b = Make(1.8f);
    const int notes[] = {67, 66, 65, 64};
    for (int i = 0; i < 4; ++i) {
      Tone t;
      t.wave = Wave::Saw;
      t.start = i * 0.3f;
      t.freq = Midi(notes[i] - 12);
      t.amp = 0.35f;
      t.attack = 0.03f;
      t.decay = i == 3 ? 0.6f : 0.22f;
      t.dur = i == 3 ? 0.85f : 0.28f;
      t.vibrato = i == 3 ? 0.018f : 0.0f;
      AddTone(b, t);
    }
    // Soften the saw: a simple low-pass "mute".
    float lp = 0;
    for (size_t i = 0; i < b.size(); ++i) {
      float tt = float(i) / kSampleRate;
      float cut = 900 + 700 * (0.5f + 0.5f * std::sin(2 * kPi * 3.3f * tt));  // wah
      float a = 1 - std::exp(-2 * kPi * cut / kSampleRate);
      lp += a * (b[i] - lp);
      b[i] = lp;
    }
    return Finish(b);
  }
  if (name == "turn") {  // your turn: one bright bell
    Buf b = Make(1.1f);
    AddBell(b, 0.0f, Midi(83), 0.6f, 0.4f);  // B5
    AddTone(b, {0.0f, 1.0f, Midi(71), 0, 0.12f, 0.01f, 0.5f});
    return Finish(b, 0.8f);
  }
  if (name == "error") {  // a low double buzz
    Buf b = Make(0.36f);
    AddTone(b, {0.0f, 0.13f, 150, 0, 0.5f, 0.004f, 0.4f, Wave::Square});
    AddTone(b, {0.18f, 0.16f, 118, 0, 0.5f, 0.004f, 0.4f, Wave::Square});
    return Finish(b, 0.7f);
  }
  if (name == "tak") {  // the wheel's tick: a short plastic click
    Buf b = Make(0.05f);
    AddNoise(b, {0.0f, 0.01f, 0.6f, 0.0002f, 0.0015f, 10000, 0, 2500, 11});
    AddTone(b, {0.0f, 0.04f, 2600, 0, 0.5f, 0.0003f, 0.005f});
    AddTone(b, {0.0f, 0.045f, 900, 0, 0.35f, 0.0005f, 0.009f});
    return Finish(b, 0.8f);
  }
  std::fprintf(stderr, "korvane-assetgen: no sound named %s\n", name.c_str());
  std::exit(1);
}

// ============================================================================
// Encoders
// ============================================================================

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples) {
  std::vector<std::uint8_t> out;
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
  };
  auto u16 = [&](std::uint16_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
  };
  auto tag = [&](const char* t) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(t[i]));
  };
  out.reserve(44 + samples.size() * 2);
  std::uint32_t data = std::uint32_t(samples.size() * 2);
  tag("RIFF");
  u32(36 + data);
  tag("WAVE");
  tag("fmt ");
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(kSampleRate);
  u32(kSampleRate * 2);
  u16(2);
  u16(16);
  tag("data");
  u32(data);
  for (std::int16_t s : samples) u16(std::uint16_t(s));
  return out;
}

std::vector<std::uint8_t> EncodeMp3(const std::vector<std::int16_t>& samples) {
  lame_global_flags* gf = lame_init();
  lame_set_num_channels(gf, 1);
  lame_set_in_samplerate(gf, kSampleRate);
  lame_set_out_samplerate(gf, kSampleRate);
  lame_set_mode(gf, MONO);
  lame_set_brate(gf, 128);
  lame_set_quality(gf, 2);
  lame_set_bWriteVbrTag(gf, 0);
  if (lame_init_params(gf) < 0) {
    std::fprintf(stderr, "korvane-assetgen: lame_init_params failed\n");
    std::exit(1);
  }
  std::vector<std::uint8_t> out(samples.size() * 5 / 4 + 7200 + 8192);
  std::vector<short> pcm(samples.begin(), samples.end());
  int n = lame_encode_buffer(gf, pcm.data(), pcm.data(), int(pcm.size()), out.data(), int(out.size()));
  if (n < 0) {
    std::fprintf(stderr, "korvane-assetgen: lame_encode_buffer failed (%d)\n", n);
    std::exit(1);
  }
  int m = lame_encode_flush(gf, out.data() + n, int(out.size()) - n);
  lame_close(gf);
  out.resize(size_t(n + std::max(m, 0)));
  return out;
}

std::vector<std::pair<std::string, std::vector<std::uint8_t>>> MakeSounds() {
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> out;
  for (const char* name :
       {"error", "move", "chow", "fight", "fight2", "group", "win", "lost", "draw", "down", "block", "turn"})
    out.push_back({std::string("res/sounds/") + name + ".wav", EncodeWav(SynthesiseEffect(name))});
  out.push_back({"res/sounds/tak.mp3", EncodeMp3(SynthesiseEffect("tak"))});
  return out;
}

}  // namespace assetgen
