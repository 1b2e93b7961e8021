// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// FluidSynth, loaded the first time sound is wanted rather than as the program starts: the
// library brings some forty others with it (sound servers, codecs, SDL), which would cost
// every start time and memory, while most practices never play a note.

#include <fluidsynth.h>

// Every FluidSynth function the program calls.
#define NUMBRELLA_FLUID_FUNCTIONS(X)                                                                          \
    X(fluid_set_log_function)                                                                                 \
    X(new_fluid_settings) X(delete_fluid_settings) X(fluid_settings_setstr) X(fluid_settings_setnum)          \
    X(fluid_settings_getint) X(fluid_settings_setint)                                                         \
    X(new_fluid_synth) X(delete_fluid_synth) X(fluid_synth_sfload) X(fluid_synth_process)                     \
    X(fluid_synth_all_notes_off) X(fluid_synth_noteon) X(fluid_synth_noteoff) X(fluid_synth_program_change)     \
    X(fluid_synth_cc)                                                                                         \
    X(new_fluid_audio_driver2) X(delete_fluid_audio_driver)                                                   \
    X(new_fluid_player) X(delete_fluid_player) X(fluid_player_add_mem) X(fluid_player_play)                   \
    X(fluid_player_stop) X(fluid_player_get_status) X(fluid_player_get_current_tick)                          \
    X(fluid_player_get_total_ticks)

struct FluidSynthLibrary {
#define NUMBRELLA_FLUID_POINTER(name) decltype(&::name) name = nullptr;
    NUMBRELLA_FLUID_FUNCTIONS(NUMBRELLA_FLUID_POINTER)
#undef NUMBRELLA_FLUID_POINTER
};

// The library's functions, loaded on the first call; nullptr when it cannot be loaded.
const FluidSynthLibrary* Fluid();
