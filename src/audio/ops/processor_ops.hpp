#pragma once

#include "audio/ops/synth_invocation.hpp"

namespace tess {

// Operations that transform the input stage.
void synthInvert(const SynthInvocation& op);
void synthReverse(const SynthInvocation& op);
void synthVRoll(const SynthInvocation& op);      // offset (127 = none)
void synthCompress(const SynthInvocation& op);   // strength
void synthCompress2(const SynthInvocation& op);  // strength
void synthEnv(const SynthInvocation& op);        // ramp start %, gain, ramp end %, gain
void synthShift(const SynthInvocation& op);      // offset % (50 = none)
void synthRoll(const SynthInvocation& op);       // offset % (50 = none)
void synthResample(const SynthInvocation& op);   // rate in hertz * 100 (441 = unchanged)
void synthFlanger(const SynthInvocation& op);    // speed, depth
void synthVibrato(const SynthInvocation& op);    // speed, depth
void synthReverb(const SynthInvocation& op);     // delay, echo gain limit, echo attack

}  // namespace tess
