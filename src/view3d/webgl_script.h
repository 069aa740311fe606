// The fixed parts of the WebGL page's script and its shaders.
#pragma once

namespace qv {

// Vector and matrix functions, the line hit test, and the tube and sphere builders.
const char* WebGlGeometryScript();
// Camera, mouse handlers, buffers and label texture; then the start of init() up to where
// the generated scene calls go.
const char* WebGlViewerScript();
// The end of init(), getShaderSource, loadShader and draw.
const char* WebGlDrawScript();
// The six shader script elements.
const char* WebGlShaderElements();

}  // namespace qv
