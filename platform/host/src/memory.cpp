// Simulated DS memory: registers and VRAM banks (filled in by the platform module).
