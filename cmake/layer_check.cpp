// The one source of every layer check library: the layer's own objects make
// up the rest (see Layers.cmake).
