#pragma once

class TCanvas;

// The picture the play surfaces show once play time is over: a crescent moon with its glow,
// stars and dark hills in a night sky, in soft colours of the display palette. It fills the
// whole `width` x `height` canvas and scales with it, so every monitor shows the same scene.
void DrawRestingPicture(TCanvas& canvas, int width, int height);
