// GLSL sources; the lighting matches the WebGL page: c × (ambient + (1 - ambient) × n · l).
#include "gui/scene_shaders.h"

namespace qv::shaders {

const char* const kLitVertex = R"(#version 330 core
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec3 aOffset;
layout(location = 3) in vec3 aColor;
layout(location = 4) in vec3 aSize;
uniform mat4 uViewProjection;
uniform vec3 uLight;
uniform float uAmbient;
out vec3 vColor;
out vec3 vWorld;
flat out vec3 vLow;
flat out vec3 vHigh;
void main() {
    vWorld = aOffset + aPosition * aSize;
    vLow = aOffset;
    vHigh = aOffset + aSize;
    gl_Position = uViewProjection * vec4(vWorld, 1.0);
    vColor = aColor * (uAmbient + (1.0 - uAmbient) * max(0.0, dot(aNormal, uLight)));
}
)";

// With uOutline the edges of boxes are darkened, so that nested blocks of one colour stay
// apart: on a face, the distance to its border is the middle one of the three distances to
// the box's planes (the smallest, zero, is the face's own).
const char* const kLitFragment = R"(#version 330 core
in vec3 vColor;
in vec3 vWorld;
flat in vec3 vLow;
flat in vec3 vHigh;
uniform bool uOutline;
out vec4 fragColor;
void main() {
    float shade = 1.0;
    if (uOutline) {
        vec3 d = min(vWorld - vLow, vHigh - vWorld);
        float edge = d.x + d.y + d.z - min(d.x, min(d.y, d.z)) - max(d.x, max(d.y, d.z));
        shade = mix(0.3, 1.0, smoothstep(0.0, 2.0 * fwidth(edge), edge));
    }
    fragColor = vec4(vColor * shade, 1.0);
}
)";

const char* const kTubeVertex = R"(#version 330 core
layout(location = 0) in vec3 aTube;
layout(location = 1) in vec3 aFrom;
layout(location = 2) in vec3 aTo;
uniform mat4 uViewProjection;
uniform vec3 uLight;
uniform float uAmbient;
uniform float uRadius;
uniform float uStripeLength;
out float vShade;
out float vStripe;
void main() {
    vec3 dir = aTo - aFrom;
    float len = length(dir);
    vec3 helper = cross(dir, vec3(1.0));
    if (length(helper) < 1e-6 * len) helper = cross(dir, vec3(1.0, 0.0, 0.0));
    vec3 normal = len > 0.0 ? normalize(helper) : vec3(0.0);
    vec3 binormal = len > 0.0 ? normalize(cross(dir, normal)) : vec3(0.0);
    vec3 n = aTube.y * normal + aTube.x * binormal;
    gl_Position = uViewProjection * vec4(aFrom + aTube.z * dir + uRadius * n, 1.0);
    vShade = uAmbient + (1.0 - uAmbient) * max(0.0, dot(n, uLight));
    vStripe = aTube.z * len / uStripeLength;
}
)";

const char* const kTubeFragment = R"(#version 330 core
in float vShade;
in float vStripe;
uniform sampler2D uStripes;
out vec4 fragColor;
void main() {
    float stripe = texture(uStripes, vec2(vStripe, 0.5)).r;
    fragColor = vec4(vec3(vShade * stripe), 1.0);
}
)";

const char* const kColourVertex = R"(#version 330 core
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec4 aColor;
uniform mat4 uViewProjection;
uniform float uPointSize;
out vec4 vColor;
void main() {
    gl_Position = uViewProjection * vec4(aPosition, 1.0);
    gl_PointSize = uPointSize;
    vColor = aColor;
}
)";

const char* const kColourFragment = R"(#version 330 core
in vec4 vColor;
out vec4 fragColor;
void main() { fragColor = vColor; }
)";

const char* const kOverlayVertex = R"(#version 330 core
void main() {
    vec2 corner = vec2(gl_VertexID % 2, gl_VertexID / 2) * 2.0 - 1.0;
    gl_Position = vec4(corner, 0.0, 1.0);
}
)";

const char* const kOverlayFragment = R"(#version 330 core
uniform vec4 uColor;
out vec4 fragColor;
void main() { fragColor = uColor; }
)";

const char* const kCopyVertex = R"(#version 330 core
out vec2 vTexCoord;
void main() {
    vTexCoord = vec2(gl_VertexID % 2, gl_VertexID / 2);
    gl_Position = vec4(vTexCoord * 2.0 - 1.0, 0.0, 1.0);
}
)";

const char* const kCopyFragment = R"(#version 330 core
in vec2 vTexCoord;
uniform sampler2D uFrame;
out vec4 fragColor;
void main() { fragColor = vec4(texture(uFrame, vTexCoord).rgb, 1.0); }
)";

const char* const kLabelVertex = R"(#version 330 core
uniform mat4 uViewProjection;
uniform vec3 uAnchor;
uniform vec3 uRight;
uniform vec3 uUp;
out vec2 vTexCoord;
void main() {
    vTexCoord = vec2(gl_VertexID % 2, gl_VertexID / 2);
    vec3 corner = uAnchor + vTexCoord.x * uRight + (vTexCoord.y - 1.0) * uUp;
    gl_Position = uViewProjection * vec4(corner, 1.0);
}
)";

const char* const kLabelFragment = R"(#version 330 core
in vec2 vTexCoord;
uniform sampler2D uLabel;
out vec4 fragColor;
void main() { fragColor = texture(uLabel, vec2(vTexCoord.x, 1.0 - vTexCoord.y)); }
)";

}  // namespace qv::shaders
