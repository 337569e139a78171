namespace fw { void Placeholder() {} }
