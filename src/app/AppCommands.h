#pragma once

#include "model/Form1.h"

#include <filesystem>

namespace tallowmere {

// Start-up: lays out the window and its grids, shows the card's TrackMaster
// files again and makes the data root's folders when they are missing.
void Form_Load(Form1& form);

// File > Close Race Card: clears the race on screen and saves the active card.
void CRC_Click(Form1& form);
// Closing the window (title bar, Ctrl+Q, logging out): keeps what was typed
// into the race on screen and saves the active card, as Close Race Card does,
// whether or not Exit can be clicked.
void Form_Unload(Form1& form);
// File > Exit: saves the active card and ends the program.
void Exit_Program_Click(Form1& form);
// File > New/Recall Race Card: hides the card's files, starts the card chooser
// and ends the program without saving.
void NewRC_Click(Form1& form);

// Navigation > Main Screen: back from a report to the race card.
void MainScreen_Click(Form1& form);

void Test_Click(Form1& form);
void About_Click(Form1& form);
void Version_Click(Form1& form);
void ArchivesEditor_Click(Form1& form);
void Tracks_Click(Form1& form);
void TM_Click(Form1& form);
void DRF_Click(Form1& form);
void TRC_Click(Form1& form);
void PTR_Click(Form1& form);

} // namespace tallowmere
