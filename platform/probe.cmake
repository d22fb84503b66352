# Win32ProbePlatform and the scoped handles it uses (filled in as the code lands).
