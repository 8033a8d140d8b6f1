#pragma once

#include "audio/ops/synth_invocation.hpp"

namespace tess {

// Operations that compute their stage from the sample position alone; they read no stage.
void synthSinus(const SynthInvocation& op);     // f, a, ph
void synthAbsSinus(const SynthInvocation& op);  // f, a, ph
void synthSquare(const SynthInvocation& op);    // f, a, ph: wave table oscillators
void synthTriangle(const SynthInvocation& op);
void synthSaw(const SynthInvocation& op);
void synthSoftSaw(const SynthInvocation& op);
void synthNoise(const SynthInvocation& op);         // f, a
void synthSinPack(const SynthInvocation& op);       // a fixed chord of eight sines
void synthSinPack2(const SynthInvocation& op);      // f, six sine harmonic amplitudes
void synthSSawPack(const SynthInvocation& op);      // f, six soft-saw harmonic amplitudes
void synthSinPackSlide(const SynthInvocation& op);  // slide speed, reference frequency
void synthBaseDrum(const SynthInvocation& op);

}  // namespace tess
