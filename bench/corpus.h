#pragma once

// Typical statements of engineering work, as typed into Orvik, with the same
// work written for muparser where it can express it (nullptr otherwise).
// Orvik runs in radian mode here so that both compute the same values.

struct BenchStatement {
    const char* orvik;     // GBK bytes
    const char* muparser;  // nullptr: muparser has no such notation or function
};

inline constexpr BenchStatement kCorpus[] = {
    {"r=(x^2+y^2)^0.5", "r=(x^2+y^2)^0.5"},
    {"x1=r*cos(0.5)", "x1=r*cos(0.5)"},
    {"y1=r*sin(0.5)", "y1=r*sin(0.5)"},
    {"a=2;b=a*3;b+1", "a=2,b=a*3,b+1"},
    {"((1+2)*(3+4))/((5-6)*(7+8))", "((1+2)*(3+4))/((5-6)*(7+8))"},
    {"m=3;z=20;d=m*z;da=d+2*m;df=d-2.5*m", "m=3,z=20,d=m*z,da=d+2*m,df=d-2.5*m"},
    {"sqrt(x*x+y*y)", "sqrt(x*x+y*y)"},
    {"atan(y/x)", "atan(y/x)"},
    {"abs(x-y)*2", "abs(x-y)*2"},
    {"exp(-x/10)", "exp(-x/10)"},
    {"ln(x)+lg(y)", "ln(x)+log10(y)"},
    {"x<y&&y>0", "x<y&&y>0"},
    {"_max(x,y)-_min(x,y)", "max(x,y)-min(x,y)"},
    {"2*\xA6\xD0*r", "2*_pi*r"},
    {"tan(x)^2+1", "tan(x)^2+1"},
    {"(x+y)*(x-y)/(x*x+1)", "(x+y)*(x-y)/(x*x+1)"},
    {"inv(0.35)", "tan(0.35)-0.35"},
    {"w=x;w+=1", "w=x,w=w+1"},
    {"ainv(0.0149)", nullptr},
    {"30\xA1\xE3" "30\xA1\xE4" "15\xA1\xE5", nullptr},
    {"0x1F+0b101+0o17", nullptr},
    {"!(10)/_C(10,3)", nullptr},
    {"and(0xFF00,0x0FF0)", nullptr},
};
