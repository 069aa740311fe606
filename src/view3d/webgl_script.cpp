// The script of the WebGL page; the program only adds data arrays and scene calls to it.
#include "view3d/webgl_script.h"

namespace qv {

const char* WebGlGeometryScript()
{
    return R"js(
function MatrixMult(mat1, mat2) {
    var result = new Array(16);
    for (var r = 0; r < 4; r++) {
        for (var c = 0; c < 4; c++) {
            var sum = 0;
            for (var k = 0; k < 4; k++) sum += mat1[r + 4 * k] * mat2[k + 4 * c];
            result[r + 4 * c] = sum;
        }
    }
    return result;
}
function MatrixTranslate(x, y, z) {
    return [1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1];
}
Math.sqr = function (num) { return num * num; };
function MatrixRotate(angle, axis_x, axis_y, axis_z) {
    var c = Math.cos(angle), s = Math.sin(angle), t = 1 - c;
    var x = axis_x, y = axis_y, z = axis_z;
    return [c + x * x * t, x * y * t - z * s, x * z * t + y * s, 0,
            y * x * t + z * s, c + y * y * t, y * z * t - x * s, 0,
            z * x * t - y * s, z * y * t + x * s, c + z * z * t, 0,
            0, 0, 0, 1];
}
function Vector(x, y, z) { return [x, y, z]; }
function VectorAdd(a, b) { return [a[0] + b[0], a[1] + b[1], a[2] + b[2]]; }
function VectorSub(a, b) { return [a[0] - b[0], a[1] - b[1], a[2] - b[2]]; }
function VectorScale(s, a) { return [s * a[0], s * a[1], s * a[2]]; }
function VectorDot(a, b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
function VectorCross(a, b) {
    return [a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]];
}
function VectorLength(a) { return Math.sqrt(VectorDot(a, a)); }
function VectorNormalize(a) {
    var length = VectorLength(a);
    return length > 0 ? VectorScale(1 / length, a) : [0, 0, 0];
}
// Rodrigues: v cos w + (a x v) sin w + a (a . v)(1 - cos w) for the unit axis a.
function VectorRotate(v, a, w) {
    var c = Math.cos(w), s = Math.sin(w);
    return VectorAdd(VectorAdd(VectorScale(c, v), VectorScale(s, VectorCross(a, v))),
                     VectorScale(VectorDot(a, v) * (1 - c), a));
}
// Whether the segment linestart + x * linedir, x in [0, 1], meets the sphere.
function Collide_Line_Sphere(linestart, linedir, spherepos, sphereradius) {
    var k = VectorSub(spherepos, linestart);
    var a = VectorDot(linedir, linedir);
    var b = -2 * VectorDot(k, linedir);
    var c = VectorDot(k, k) - Math.sqr(sphereradius);
    if (a == 0) return false;
    var discriminant = b * b - 4 * a * c;
    if (discriminant < 0) return false;
    var root = Math.sqrt(discriminant);
    var x1 = (-b - root) / (2 * a), x2 = (-b + root) / (2 * a);
    return (x1 >= 0 && x1 <= 1) || (x2 >= 0 && x2 <= 1);
}
function Shade(normal) {
    return (1 - AMBIENT) * Math.max(0, VectorDot(normal, LIGHT_DIR)) + AMBIENT;
}
// A tube of radius 0.05 with 10 segments; colour(c) gives the vertex colour of a shade c.
function CreateTube(s, e, colour) {
    var dir = VectorSub(e, s);
    if (VectorLength(dir) == 0) return;
    var normal = VectorCross(dir, Vector(1, 1, 1));
    // A tube along (1, 1, 1) needs another helper direction for its frame.
    if (VectorLength(normal) < 1e-6 * VectorLength(dir)) normal = VectorCross(dir, Vector(1, 0, 0));
    normal = VectorNormalize(normal);
    var binormal = VectorNormalize(VectorCross(dir, normal));
    var base = VertexBuffer.length / 6;
    for (var i = 0; i < 10; i++) {
        var angle = 2 * Math.PI * i / 10;
        var n = VectorAdd(VectorScale(Math.sin(angle), normal), VectorScale(Math.cos(angle), binormal));
        var c = colour(Shade(n));
        var p1 = VectorAdd(s, VectorScale(0.05, n)), p2 = VectorAdd(e, VectorScale(0.05, n));
        VertexBuffer.push(p1[0], p1[1], p1[2], c[0], c[1], c[2]);
        VertexBuffer.push(p2[0], p2[1], p2[2], c[0], c[1], c[2]);
    }
    for (var i = 0; i < 10; i++) {
        IndexBuffer.push(base + 2 * i, base + (2 * i + 1) % 20, base + (2 * i + 3) % 20);
        IndexBuffer.push(base + 2 * i, base + (2 * i + 3) % 20, base + (2 * i + 2) % 20);
    }
}
function CreateLine(s, e) {
    CreateTube(s, e, function (c) { return [c, c, c]; });
}
function CreateLineGreen(s, e) {
    CreateTube(s, e, function (c) { return [0, c, 0]; });
}
var SPHERE_STACKS = 5;
var SPHERE_SLICES = 10;
var SPHERE_COLORS = [[0, 0, 1], [1, 0, 0], [0, 0.5, 0], [0, 1, 0]];
function SpherePoint(stack, slice) {
    var h = stack / SPHERE_STACKS;
    var p = Vector(0.1 * Math.sqrt(Math.max(0, 1 - h * h)), 0.1 * h, 0);
    return VectorRotate(p, Vector(0, 1, 0), 2 * Math.PI * slice / SPHERE_SLICES);
}
function PointNum(i, j) {
    if (Math.abs(j) == SPHERE_STACKS) i = 0;
    return i % SPHERE_SLICES + (j + SPHERE_STACKS) * SPHERE_SLICES - (j > -SPHERE_STACKS ? SPHERE_SLICES - 1 : 0);
}
function CreateSphere(pos, colornum) {
    var base = VertexBuffer.length / 6;
    var colour = SPHERE_COLORS[colornum];
    function add(point) {
        var c = Shade(VectorNormalize(point));
        var p = VectorAdd(pos, point);
        VertexBuffer.push(p[0], p[1], p[2], c * colour[0], c * colour[1], c * colour[2]);
    }
    add(SpherePoint(-SPHERE_STACKS, 0));
    for (var j = 1 - SPHERE_STACKS; j < SPHERE_STACKS; j++) {
        for (var i = 0; i < SPHERE_SLICES; i++) add(SpherePoint(j, i));
    }
    add(SpherePoint(SPHERE_STACKS, 0));
    for (var j = -SPHERE_STACKS; j < SPHERE_STACKS; j++) {
        for (var i = 0; i < SPHERE_SLICES; i++) {
            IndexBuffer.push(base + PointNum(i, j), base + PointNum(i + 1, j), base + PointNum(i + 1, j + 1));
            IndexBuffer.push(base + PointNum(i, j), base + PointNum(i + 1, j + 1), base + PointNum(i, j + 1));
        }
    }
}
)js";
}

const char* WebGlViewerScript()
{
    return R"js(
function CameraRight() {
    return VectorRotate(Vector(1, 0, 0), Vector(0, 1, 0), Rotation[0]);
}
function CameraTurned(v) {
    return VectorRotate(VectorRotate(v, Vector(1, 0, 0), Rotation[1]), Vector(0, 1, 0), Rotation[0]);
}
function CameraUp() { return CameraTurned(Vector(0, 1, 0)); }
function CameraLook() { return CameraTurned(Vector(0, 0, -1)); }
function CameraPos() { return VectorSub(FixPunkt, VectorScale(Zoom, CameraLook())); }
function CursorPosition(event) {
    var rect = document.getElementById("canvas").getBoundingClientRect();
    return [event.clientX - rect.left, event.clientY - rect.top];
}
function mouseDown(event) {
    if (event.button == 0) mousestate = 1;
    if (event.button == 2) mousestate = 2;
    mouseposlast = CursorPosition(event);
}
function mouseUp(event) {
    mousestate = 0;
}
function mouseMove(event) {
    var pos = CursorPosition(event);
    if (mouseposlast) {
        var dx = pos[0] - mouseposlast[0], dy = pos[1] - mouseposlast[1];
        if (mousestate == 1) {
            FixPunkt = VectorSub(FixPunkt, VectorSub(VectorScale(0.001 * Zoom * dx, CameraRight()),
                                                     VectorScale(0.001 * Zoom * dy, CameraUp())));
        } else if (mousestate == 2) {
            Rotation[0] -= 0.01 * dx;
            Rotation[1] -= 0.01 * dy;
            Rotation[1] = Math.max(-Math.PI / 2, Math.min(Math.PI / 2, Rotation[1]));
        }
    }
    mouseposlast = pos;
}
function mouseWheel(wheelEvent) {
    if (wheelEvent.detail > 0) Zoom *= 1.1; else Zoom /= 1.1;
    wheelEvent.preventDefault();
}
// Browsers without the old scroll event send only this one.
function mouseWheelStandard(wheelEvent) {
    if (wheelEvent.deltaY == 0) return;
    if (wheelEvent.deltaY > 0) Zoom *= 1.1; else Zoom /= 1.1;
    wheelEvent.preventDefault();
}
function DeleteHighlightBuffers() {
    for (var n = 0; n < HighlightVBOCount; n++) {
        gl.deleteBuffer(vbos.pop());
        gl.deleteBuffer(ibos.pop());
        icount.pop();
    }
    HighlightVBO = false;
    HighlightVBOCount = 0;
}
function PickNode() {
    var ratio = viewportWidth / viewportHeight;
    var u = [mouseposlast[0] / viewportWidth * 2 - 1,
             (viewportHeight - mouseposlast[1]) / viewportHeight * 2 - 1];
    var t = Math.tan(sfOew);
    var dir = VectorAdd(CameraLook(), VectorAdd(VectorScale(t * u[1], CameraUp()),
                                                VectorScale(t * ratio * u[0], CameraRight())));
    var start = CameraPos();
    var best = 10000, hit = -1;
    for (var i = 0; i < Nodes.length; i++) {
        if (!Collide_Line_Sphere(start, VectorScale(1000, dir), Nodes[i], 0.15)) continue;
        var distance = VectorLength(VectorSub(Nodes[i], start));
        if (distance < best) {
            best = distance;
            hit = i;
        }
    }
    return hit;
}
function MarkDescendants(node) {
    for (var i = 0; i < Nodes.length; i++) HighlightNeeded[i] = false;
    if (node < 0) return;
    var stack = [node];
    HighlightNeeded[node] = true;
    while (stack.length > 0) {
        var current = stack.pop();
        for (var k = 0; k < Children[current].length; k++) {
            var child = Children[current][k];
            if (HighlightNeeded[child]) continue;
            HighlightNeeded[child] = true;
            stack.push(child);
        }
    }
}
// The green lines, in buffers of at most 65000 vertices like the scene's.
function CreateHighlightLines() {
    var count = 0;
    for (var i = 0; i < Nodes.length; i++) {
        if (!HighlightNeeded[i]) continue;
        for (var k = 0; k < Children[i].length; k++) {
            var c = Children[i][k];
            CreateLineGreen(Nodes[i], FamMids[c]);
            CreateLineGreen(Nodes[c], FamMids[c]);
            count += 40;
            if (count > 65000) {
                FinishVBO();
                HighlightVBOCount++;
                count = 0;
            }
        }
    }
    if (IndexBuffer.length > 0) {
        FinishVBO();
        HighlightVBOCount++;
    }
    HighlightVBO = HighlightVBOCount > 0;
}
function mouseDoubleClick(event) {
    mouseposlast = CursorPosition(event);
    if (HighlightVBO) DeleteHighlightBuffers();
    Highlight = PickNode();
    MarkDescendants(Highlight);
    CreateHighlightLines();
}
function FinishVBO() {
    var vbo = gl.createBuffer();
    gl.bindBuffer(gl.ARRAY_BUFFER, vbo);
    gl.bufferData(gl.ARRAY_BUFFER, new Float32Array(VertexBuffer), gl.STATIC_DRAW);
    var ibo = gl.createBuffer();
    gl.bindBuffer(gl.ELEMENT_ARRAY_BUFFER, ibo);
    gl.bufferData(gl.ELEMENT_ARRAY_BUFFER, new Uint16Array(IndexBuffer), gl.STATIC_DRAW);
    vbos.push(vbo);
    ibos.push(ibo);
    icount.push(IndexBuffer.length);
    VertexBuffer = [];
    IndexBuffer = [];
}
function handleLoadedTexture(texture, textureCanvas) {
    gl.bindTexture(gl.TEXTURE_2D, texture);
    gl.pixelStorei(gl.UNPACK_FLIP_Y_WEBGL, true);
    gl.texImage2D(gl.TEXTURE_2D, 0, gl.RGBA, gl.RGBA, gl.UNSIGNED_BYTE, textureCanvas);
    gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_MAG_FILTER, gl.LINEAR);
    gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_MIN_FILTER, gl.LINEAR);
    gl.generateMipmap(gl.TEXTURE_2D);
}
function preparetext(text) {
    var canvas = document.getElementById("texturecanvas");
    var context = canvas.getContext("2d");
    context.fillStyle = "black";
    context.fillRect(0, 0, canvas.width, canvas.height);
    context.fillStyle = "white";
    context.font = "30px Arial";
    context.textAlign = "left";
    context.textBaseline = "top";
    context.fillText(text, 1, 1);
}
function BuildProgram(vertexId, fragmentId, attributes) {
    var vertexSource = getShaderSource(vertexId), fragmentSource = getShaderSource(fragmentId);
    if (vertexSource == null || fragmentSource == null) return null;
    var vertexShader = loadShader(gl.VERTEX_SHADER, vertexSource);
    var fragmentShader = loadShader(gl.FRAGMENT_SHADER, fragmentSource);
    if (vertexShader == null || fragmentShader == null) return null;
    var built = gl.createProgram();
    gl.attachShader(built, vertexShader);
    gl.attachShader(built, fragmentShader);
    for (var i = 0; i < attributes.length; i++) gl.bindAttribLocation(built, i, attributes[i]);
    gl.linkProgram(built);
    if (!gl.getProgramParameter(built, gl.LINK_STATUS)) {
        alert(gl.getProgramInfoLog(built));
        return null;
    }
    return built;
}
function init() {
    var canvas = document.getElementById("canvas");
    canvas.addEventListener("mousedown", mouseDown, false);
    canvas.addEventListener("mouseup", mouseUp, false);
    canvas.addEventListener("mousemove", mouseMove, false);
    canvas.addEventListener("dblclick", mouseDoubleClick, false);
    canvas.addEventListener("DOMMouseScroll", mouseWheel, false);
    canvas.addEventListener("wheel", mouseWheelStandard, false);
    canvas.width = window.innerWidth;
    canvas.height = window.innerHeight;
    viewportWidth = canvas.width;
    viewportHeight = canvas.height;
    var names = ["webgl", "experimental-webgl", "moz-webgl", "webkit-3d"];
    for (var n = 0; n < names.length && !gl; n++) {
        try {
            gl = canvas.getContext(names[n], {alpha: false});
        } catch (e) {
        }
    }
    if (!gl) {
        alert("No known OpenGL context detected! Is it enabled?");
        return;
    }
    gl.clearColor(0, 0, 0, 1);
    gl.enable(gl.DEPTH_TEST);
    gl.enable(gl.CULL_FACE);
    gl.cullFace(gl.BACK);
    program = BuildProgram("shader-vs", "shader-fs", ["aPosition", "aColor"]);
    program_alpha = BuildProgram("shader-vs-alpha", "shader-fs-alpha", ["aPosition"]);
    program_tex = BuildProgram("shader-vs-tex", "shader-fs-tex", ["aPosition", "aTexCoord"]);
    if (program == null || program_alpha == null || program_tex == null) return;
    gl.useProgram(program_tex);
    gl.uniform1i(gl.getUniformLocation(program_tex, "Texture"), 0);
    vbo_quad = gl.createBuffer();
    gl.bindBuffer(gl.ARRAY_BUFFER, vbo_quad);
    gl.bufferData(gl.ARRAY_BUFFER, new Float32Array([-1, -1, 0, 1, -1, 0, 1, 1, 0, -1, 1, 0]), gl.STATIC_DRAW);
    ibo_quad = gl.createBuffer();
    gl.bindBuffer(gl.ELEMENT_ARRAY_BUFFER, ibo_quad);
    gl.bufferData(gl.ELEMENT_ARRAY_BUFFER, new Uint16Array([0, 1, 2, 0, 2, 3]), gl.STATIC_DRAW);
)js";
}

const char* WebGlDrawScript()
{
    return R"js(
}
function getShaderSource(id) {
    var element = document.getElementById(id);
    if (!element) return null;
    var source = "";
    for (var node = element.firstChild; node; node = node.nextSibling) {
        if (node.nodeType == 3) source += node.textContent;
    }
    return source;
}
function loadShader(shaderType, shaderSource) {
    var shader = gl.createShader(shaderType);
    gl.shaderSource(shader, shaderSource);
    gl.compileShader(shader);
    if (!gl.getShaderParameter(shader, gl.COMPILE_STATUS)) {
        alert(gl.getShaderInfoLog(shader));
        gl.deleteShader(shader);
        return null;
    }
    return shader;
}
function DrawBuffer(i, matrix) {
    gl.uniformMatrix4fv(gl.getUniformLocation(program, "ModelViewMatrix"), false, new Float32Array(matrix));
    gl.bindBuffer(gl.ARRAY_BUFFER, vbos[i]);
    gl.vertexAttribPointer(0, 3, gl.FLOAT, false, 24, 0);
    gl.vertexAttribPointer(1, 3, gl.FLOAT, false, 24, 12);
    gl.bindBuffer(gl.ELEMENT_ARRAY_BUFFER, ibos[i]);
    gl.drawElements(gl.TRIANGLES, icount[i], gl.UNSIGNED_SHORT, 0);
}
function DrawDimming() {
    gl.useProgram(program_alpha);
    gl.uniform4f(gl.getUniformLocation(program_alpha, "uColor"), 0, 0, 0, 0.5);
    gl.disable(gl.DEPTH_TEST);
    gl.depthMask(false);
    gl.enable(gl.BLEND);
    gl.blendFunc(gl.SRC_ALPHA, gl.ONE_MINUS_SRC_ALPHA);
    gl.disableVertexAttribArray(1);
    gl.bindBuffer(gl.ARRAY_BUFFER, vbo_quad);
    gl.vertexAttribPointer(0, 3, gl.FLOAT, false, 12, 0);
    gl.bindBuffer(gl.ELEMENT_ARRAY_BUFFER, ibo_quad);
    gl.drawElements(gl.TRIANGLES, 6, gl.UNSIGNED_SHORT, 0);
    gl.enable(gl.DEPTH_TEST);
    gl.depthMask(true);
    gl.disable(gl.BLEND);
    gl.useProgram(program);
    gl.enableVertexAttribArray(1);
}
function DrawLabels(camera) {
    var marked = [];
    for (var i = 0; i < Nodes.length; i++) if (HighlightNeeded[i]) marked.push(i);
    var eye = CameraPos();
    for (var a = 0; a < marked.length; a++) {
        for (var b = 0; b + 1 < marked.length - a; b++) {
            if (VectorLength(VectorSub(Nodes[marked[b + 1]], eye)) > VectorLength(VectorSub(Nodes[marked[b]], eye))) {
                var swap = marked[b];
                marked[b] = marked[b + 1];
                marked[b + 1] = swap;
            }
        }
    }
    gl.clear(gl.DEPTH_BUFFER_BIT);
    var up = CameraUp(), right = CameraRight();
    var low = VectorScale(-0.3, up), wide = VectorScale(4.8, right), corner = VectorAdd(wide, low);
    var vbo = gl.createBuffer(), ibo = gl.createBuffer();
    gl.bindBuffer(gl.ARRAY_BUFFER, vbo);
    gl.bufferData(gl.ARRAY_BUFFER, new Float32Array([low[0], low[1], low[2], 0, 0, corner[0], corner[1], corner[2], 1, 0,
        wide[0], wide[1], wide[2], 1, 1, 0, 0, 0, 0, 1]), gl.STATIC_DRAW);
    gl.bindBuffer(gl.ELEMENT_ARRAY_BUFFER, ibo);
    gl.bufferData(gl.ELEMENT_ARRAY_BUFFER, new Uint16Array([0, 1, 2, 0, 2, 3]), gl.STATIC_DRAW);
    gl.enable(gl.BLEND);
    gl.blendFunc(gl.SRC_ALPHA, gl.ONE_MINUS_SRC_ALPHA);
    gl.disable(gl.DEPTH_TEST);
    gl.useProgram(program_tex);
    gl.vertexAttribPointer(0, 3, gl.FLOAT, false, 20, 0);
    gl.vertexAttribPointer(1, 2, gl.FLOAT, false, 20, 12);
    var colours = [[0.8, 0.8, 1, 1], [1, 0.8, 0.8, 1], [0.8, 1, 0.8, 1]];
    for (var n = 0; n < marked.length; n++) {
        var i = marked[n];
        preparetext(Names[i]);
        handleLoadedTexture(texture, document.getElementById("texturecanvas"));
        gl.activeTexture(gl.TEXTURE0);
        gl.bindTexture(gl.TEXTURE_2D, texture);
        var matrix = MatrixMult(camera, MatrixTranslate(Nodes[i][0], Nodes[i][1], Nodes[i][2]));
        gl.uniformMatrix4fv(gl.getUniformLocation(program_tex, "ModelViewMatrix"), false, new Float32Array(matrix));
        var colour = colours[Math.min(Sexes[i], 2)];
        gl.uniform4f(gl.getUniformLocation(program_tex, "Color"), colour[0], colour[1], colour[2], colour[3]);
        gl.drawElements(gl.TRIANGLES, 6, gl.UNSIGNED_SHORT, 0);
    }
    gl.disable(gl.BLEND);
    gl.enable(gl.DEPTH_TEST);
    gl.deleteBuffer(vbo);
    gl.deleteBuffer(ibo);
    gl.useProgram(program);
}
function draw() {
    var canvas = document.getElementById("canvas");
    canvas.width = window.innerWidth;
    canvas.height = window.innerHeight;
    viewportWidth = canvas.width;
    viewportHeight = canvas.height;
    gl.viewport(0, 0, viewportWidth, viewportHeight);
    gl.clear(gl.COLOR_BUFFER_BIT | gl.DEPTH_BUFFER_BIT);
    var ratio = viewportWidth / viewportHeight, t = Math.tan(sfOew);
    // A large scene seen from far away would lose its back half behind a fixed far plane.
    var far = Math.max(zFern, 4 * Zoom);
    var camera = [1 / (ratio * t), 0, 0, 0, 0, 1 / t, 0, 0, 0, 0, (zNah + far) / (zNah - far), -1,
                  0, 0, 2 * zNah * far / (zNah - far), 0];
    camera = MatrixMult(camera, MatrixTranslate(0, 0, -Zoom));
    camera = MatrixMult(camera, MatrixRotate(Rotation[1], 1, 0, 0));
    camera = MatrixMult(camera, MatrixRotate(Rotation[0], 0, 1, 0));
    camera = MatrixMult(camera, MatrixTranslate(-FixPunkt[0], -FixPunkt[1], -FixPunkt[2]));
    gl.useProgram(program);
    gl.enableVertexAttribArray(0);
    gl.enableVertexAttribArray(1);
    for (var i = 1; i < vbos.length; i++) DrawBuffer(i, camera);
    gl.clear(gl.DEPTH_BUFFER_BIT);
    if (Highlight < 0) return;
    DrawDimming();
    for (var i = vbos.length - HighlightVBOCount; i < vbos.length; i++) DrawBuffer(i, camera);
    for (var i = 0; i < Nodes.length; i++) {
        if (HighlightNeeded[i]) DrawBuffer(0, MatrixMult(camera, MatrixTranslate(Nodes[i][0], Nodes[i][1], Nodes[i][2])));
    }
    DrawLabels(camera);
}
)js";
}

const char* WebGlShaderElements()
{
    return R"js(
<script id="shader-vs" type="x-shader/x-vertex">
precision mediump float;
attribute vec3 aPosition;
attribute vec3 aColor;
uniform mat4 ModelViewMatrix;
varying vec3 vColor;
void main(void) {
    gl_Position = ModelViewMatrix * vec4(aPosition, 1.0);
    vColor = aColor;
}
</script>
<script id="shader-fs" type="x-shader/x-fragment">
precision mediump float;
varying vec3 vColor;
void main(void) {
    gl_FragColor = vec4(vColor, 1.0);
}
</script>
<script id="shader-vs-alpha" type="x-shader/x-vertex">
precision mediump float;
attribute vec3 aPosition;
void main(void) {
    gl_Position = vec4(aPosition, 1.0);
}
</script>
<script id="shader-fs-alpha" type="x-shader/x-fragment">
precision mediump float;
uniform vec4 uColor;
void main(void) {
    gl_FragColor = uColor;
}
</script>
<script id="shader-vs-tex" type="x-shader/x-vertex">
precision mediump float;
uniform mat4 ModelViewMatrix;
attribute vec3 aPosition;
attribute vec2 aTexCoord;
varying vec2 vTexCoord;
void main(void) {
    gl_Position = ModelViewMatrix * vec4(aPosition, 1.0);
    vTexCoord = aTexCoord;
}
</script>
<script id="shader-fs-tex" type="x-shader/x-fragment">
precision mediump float;
uniform sampler2D Texture;
uniform vec4 Color;
varying vec2 vTexCoord;
void main(void) {
    gl_FragColor = Color*texture2D(Texture, vTexCoord).rgbr;
}
</script>
)js";
}

}  // namespace qv
