#pragma once

// Each group of cases registers itself, size by size, and adds the goals it is judged by.
void register_model_benchmarks();
void register_window_benchmarks();
void register_analysis_benchmarks();
// Closes the window the window cases share; called before the application goes.
void release_window_benchmarks();
