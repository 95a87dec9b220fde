#pragma once
// The look the window layouts were drawn for: the classic raised-and-sunken widget
// style, and "Arial" and "MS Sans Serif" resolved to the metric-compatible
// Liberation Sans so that the fixed layout fits.

// `keepStyle`: the user chose a style on the command line (-style).
void InstallLookAndFeel(bool keepStyle = false);
