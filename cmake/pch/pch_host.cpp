// Compiles the precompiled headers that the modules and tests reuse; holds no code of its own.
