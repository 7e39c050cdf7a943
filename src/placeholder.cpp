// Keeps the screens library non-empty while it is being built up.
