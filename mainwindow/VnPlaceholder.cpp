// Placeholder until this folder has sources of its own.
