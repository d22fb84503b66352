# tests of this area (filled in as the code lands)
