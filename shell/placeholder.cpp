namespace korvane { void AppPlaceholder() {} }
