#include "engine/gl/fixed_function_program.hpp"

#include <epoxy/gl.h>

#include <array>

namespace tess::gl {

namespace {

// Stored vertices (X, Y, Z) lie in view space as (X, -Z, Y + 4): the device's fixed view matrix.
// Lighting, coordinate generation and fog work in that left-handed view space (z into the
// screen). The projection matrices are the device's row-vector ones; clip z is then mapped from
// the 0..w depth range to OpenGL's -w..w. The picture is drawn upside down, so that framebuffer
// row 0 is the top row as in every image of the program (and the edge rules of both devices
// agree), and moved by half a pixel because Direct3D 9 samples pixel centres at integer
// coordinates.
constexpr const char* kVertexShader = R"(#version 330 core
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec2 aTexCoord;

uniform mat4 uProjection;
uniform vec2 uPixelOffset;
uniform vec4 uDiffuse, uAmbient, uSpecular, uEmissive;
uniform float uPower;
uniform vec3 uGlobalAmbient;
uniform bool uSpecularOn;
uniform int uLightType[8];
uniform vec3 uLightDiffuse[8], uLightSpecular[8], uLightAmbient[8], uLightVector[8];
uniform float uLightRange[8];
uniform int uTexSource[3];
uniform bool uFogOn;
uniform float uFogStart, uFogEnd;

out vec4 vDiffuse;
out vec3 vSpecular;
out vec2 vTex[3];
out float vFog;

vec3 toViewDirection(vec3 d) { return vec3(d.x, -d.z, d.y); }
vec3 toView(vec3 p) { return toViewDirection(p) + vec3(0.0, 0.0, 4.0); }

vec2 generated(int source, vec3 eye, vec3 n) {
  if (source == 0) return aTexCoord;
  vec3 r = reflect(eye, n);
  if (source == 1) return r.xy;
  float m = 2.0 * sqrt(r.x * r.x + r.y * r.y + (r.z - 1.0) * (r.z - 1.0));
  return m > 0.0 ? vec2(r.x / m + 0.5, -r.y / m + 0.5) : vec2(0.5);
}

void main() {
  vec3 p = toView(aPosition);
  vec3 n = toViewDirection(aNormal);
  if (dot(n, n) > 0.0) n = normalize(n);
  vec3 toEye = dot(p, p) > 0.0 ? normalize(-p) : vec3(0.0, 0.0, -1.0);

  vec3 ambient = uGlobalAmbient;
  vec3 diffuse = vec3(0.0);
  vec3 specular = vec3(0.0);
  for (int i = 0; i < 8; ++i) {
    if (uLightType[i] == 0) continue;
    vec3 l;
    if (uLightType[i] == 1) {
      l = -normalize(toViewDirection(uLightVector[i]));
    } else {
      vec3 d = toView(uLightVector[i]) - p;
      float distance = length(d);
      if (distance > uLightRange[i]) continue;
      l = distance > 0.0 ? d / distance : vec3(0.0);
    }
    ambient += uLightAmbient[i];
    diffuse += uLightDiffuse[i] * max(dot(n, l), 0.0);
    if (uSpecularOn) {
      vec3 h = toEye + l;
      if (dot(h, h) > 0.0) {
        float nh = max(dot(n, normalize(h)), 0.0);
        if (nh > 0.0) specular += uLightSpecular[i] * pow(nh, uPower);
      }
    }
  }
  vDiffuse = vec4(clamp(uEmissive.rgb + uAmbient.rgb * ambient + uDiffuse.rgb * diffuse, 0.0, 1.0),
                  clamp(uDiffuse.a, 0.0, 1.0));
  vSpecular = uSpecularOn ? clamp(uSpecular.rgb * specular, 0.0, 1.0) : vec3(0.0);

  vec3 eye = dot(p, p) > 0.0 ? normalize(p) : vec3(0.0, 0.0, 1.0);
  for (int s = 0; s < 3; ++s) vTex[s] = generated(uTexSource[s], eye, n);
  vFog = 1.0;
  if (uFogOn) {
    vFog = uFogEnd != uFogStart ? clamp((uFogEnd - p.z) / (uFogEnd - uFogStart), 0.0, 1.0)
                                : (p.z < uFogEnd ? 1.0 : 0.0);
  }

  vec4 clip = uProjection * vec4(p, 1.0);
  clip.y = -clip.y;
  clip.z = 2.0 * clip.z - clip.w;
  clip.xy += uPixelOffset * clip.w;
  gl_Position = clip;
}
)";

constexpr const char* kFragmentShader = R"(#version 330 core
in vec4 vDiffuse;
in vec3 vSpecular;
in vec2 vTex[3];
in float vFog;

uniform sampler2D uTexture0, uTexture1, uTexture2;
uniform int uStageOp[2];
uniform bool uFogOn;
uniform vec3 uFogColour;
uniform bool uAlphaTest;

out vec4 fragColour;

vec3 stage(int op, vec3 t, vec3 current) {
  if (op == 1) return clamp(t + current, 0.0, 1.0);
  if (op == 2) return clamp(t - current, 0.0, 1.0);
  return t * current;
}

void main() {
  vec4 current = texture(uTexture0, vTex[0]);
  current.rgb *= vDiffuse.rgb;
  // A disabled stage ends the cascade: the stages after it are off too.
  if (uStageOp[0] != 0) {
    current.rgb = stage(uStageOp[0], texture(uTexture1, vTex[1]).rgb, current.rgb);
    if (uStageOp[1] != 0)
      current.rgb = stage(uStageOp[1], texture(uTexture2, vTex[2]).rgb, current.rgb);
  }
  current.rgb = clamp(current.rgb + vSpecular, 0.0, 1.0);
  if (uFogOn) current.rgb = mix(uFogColour, current.rgb, vFog);
  if (uAlphaTest && floor(current.a * 255.0 + 0.5) < 1.0) discard;
  fragColour = current;
}
)";

unsigned compile(GLenum kind, const char* source, std::string& error) {
  const GLuint shader = glCreateShader(kind);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint ok = 0;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (!ok) {
    char log[1024] = {};
    glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    error = std::string("shader compilation failed: ") + log;
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

void setColour3(int location, const ColorValue& c) { glUniform3f(location, c.r, c.g, c.b); }
void setColour4(int location, const ColorValue& c) { glUniform4f(location, c.r, c.g, c.b, c.a); }

}  // namespace

bool FixedFunctionProgram::create(int width, int height, std::string& error) {
  const GLuint vertex = compile(GL_VERTEX_SHADER, kVertexShader, error);
  const GLuint fragment = vertex ? compile(GL_FRAGMENT_SHADER, kFragmentShader, error) : 0;
  if (!fragment) {
    if (vertex) glDeleteShader(vertex);
    return false;
  }
  program_ = glCreateProgram();
  glAttachShader(program_, vertex);
  glAttachShader(program_, fragment);
  glLinkProgram(program_);
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  GLint ok = 0;
  glGetProgramiv(program_, GL_LINK_STATUS, &ok);
  if (!ok) {
    error = "shader program link failed";
    release();
    return false;
  }
  const auto at = [this](const char* name) { return glGetUniformLocation(program_, name); };
  u_ = Uniforms{at("uProjection"), at("uPixelOffset"), at("uDiffuse"), at("uAmbient"),
                at("uSpecular"), at("uEmissive"), at("uPower"), at("uGlobalAmbient"),
                at("uSpecularOn"), at("uLightType"), at("uLightDiffuse"), at("uLightSpecular"),
                at("uLightAmbient"), at("uLightVector"), at("uLightRange"), at("uTexSource"),
                at("uStageOp"), at("uFogOn"), at("uFogColour"), at("uFogStart"), at("uFogEnd"),
                at("uAlphaTest")};
  glUseProgram(program_);
  glUniform1i(at("uTexture0"), 0);
  glUniform1i(at("uTexture1"), 1);
  glUniform1i(at("uTexture2"), 2);
  pixelOffset_[0] = 1.0f / static_cast<float>(width);
  pixelOffset_[1] = 1.0f / static_cast<float>(height);
  return true;
}

void FixedFunctionProgram::release() {
  if (program_) glDeleteProgram(program_);
  program_ = 0;
}

void FixedFunctionProgram::apply(const FixedFunctionState& state) const {
  // The device's projection matrices, rows as the row-vector convention lists them; uploaded as
  // columns they act on column vectors the same way.
  static constexpr std::array<float, 16> kPerspective = {
      1, 0, 0, 0, 0, 1.3333334f, 0, 0, 0, 0, 1.0012516f, 1, 0, 0, -0.5003127f, 0};
  static constexpr std::array<float, 16> kOrthographic = {
      0.25f, 0, 0, 0, 0, 0.33333334f, 0, 0, 0, 0, 0.0009090909f, 0, 0, 0, 0.9090909f, 1};
  glUseProgram(program_);
  glUniformMatrix4fv(u_.projection, 1, GL_FALSE,
                     (state.orthographic ? kOrthographic : kPerspective).data());
  glUniform2fv(u_.pixelOffset, 1, pixelOffset_);
  const SurfaceMaterial& m = state.material;
  setColour4(u_.diffuse, m.diffuse);
  setColour4(u_.ambient, m.ambient);
  setColour4(u_.specular, m.specular);
  setColour4(u_.emissive, m.emissive);
  glUniform1f(u_.power, m.power);
  setColour3(u_.globalAmbient, state.globalAmbient);
  glUniform1i(u_.specularOn, state.specular);

  GLint types[kLightSlots];
  float diffuse[3 * kLightSlots], specular[3 * kLightSlots], ambient[3 * kLightSlots];
  float vectors[3 * kLightSlots], ranges[kLightSlots];
  for (int i = 0; i < kLightSlots; ++i) {
    const LightSlot& light = state.lights[i];
    types[i] = static_cast<GLint>(light.type);
    const ColorValue* colours[3] = {&light.diffuse, &light.specular, &light.ambient};
    float* targets[3] = {diffuse, specular, ambient};
    for (int k = 0; k < 3; ++k) {
      targets[k][3 * i] = colours[k]->r;
      targets[k][3 * i + 1] = colours[k]->g;
      targets[k][3 * i + 2] = colours[k]->b;
    }
    vectors[3 * i] = light.x;
    vectors[3 * i + 1] = light.y;
    vectors[3 * i + 2] = light.z;
    ranges[i] = light.range;
  }
  glUniform1iv(u_.lightType, kLightSlots, types);
  glUniform3fv(u_.lightDiffuse, kLightSlots, diffuse);
  glUniform3fv(u_.lightSpecular, kLightSlots, specular);
  glUniform3fv(u_.lightAmbient, kLightSlots, ambient);
  glUniform3fv(u_.lightVector, kLightSlots, vectors);
  glUniform1fv(u_.lightRange, kLightSlots, ranges);

  const GLint sources[3] = {0, static_cast<GLint>(state.stages[0].source),
                            static_cast<GLint>(state.stages[1].source)};
  glUniform1iv(u_.texSource, 3, sources);
  const GLint ops[2] = {static_cast<GLint>(state.stages[0].op),
                        static_cast<GLint>(state.stages[1].op)};
  glUniform1iv(u_.stageOp, 2, ops);
  glUniform1i(u_.fogOn, state.fog);
  setColour3(u_.fogColour, state.fogColour);
  glUniform1f(u_.fogStart, state.fogStart);
  glUniform1f(u_.fogEnd, state.fogEnd);
  glUniform1i(u_.alphaTest, state.alphaTest);
}

}  // namespace tess::gl
