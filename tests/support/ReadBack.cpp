// Read-back through the GL, from the back buffer the last frame was drawn into.
#include "ReadBack.h"

#include <GL/glext.h>

std::array<int, 4> backPixel(int x, int y) {
    unsigned char rgba[4];
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2], rgba[3]};
}

QImage backImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGBA8888);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    return image;
}

GLuint primitivesOf(GLuint list) {
    GLuint query = 0, count = 0;
    glGenQueries(1, &query);
    glBeginQuery(GL_PRIMITIVES_GENERATED, query);
    glCallList(list);
    glEndQuery(GL_PRIMITIVES_GENERATED);
    glGetQueryObjectuiv(query, GL_QUERY_RESULT, &count);
    glDeleteQueries(1, &query);
    return count;
}
