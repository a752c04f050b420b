#pragma once

// Each group of cases registers itself, size by size, and adds the goals it is judged by.
void register_model_benchmarks();
