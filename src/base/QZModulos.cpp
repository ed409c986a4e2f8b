// Tabela dos módulos da suíte.
#include "vrmwnd/base/QZModulos.h"

#include <strings.h>

namespace {

constexpr TQZModulo kModulos[QZ_QUANTIDADE_MODULOS] = {
    {1, "Tarvo Empresarial", 255, 1994, 1, "DF"},   {2, "Tarvo Comercial", 254, 1994, 2, "FT"},
    {3, "Tarvo Financeiro", 253, 1994, 3, "FN"},    {4, "Tarvo Contabilidade", 252, 1994, 4, "CN"},
    {5, "Tarvo Ponto", 251, 1995, 5, "PN"},         {6, "Tarvo Orçamento", 250, 1995, 6, "OR"},
    {7, "Tarvo Compras", 247, 1995, 7, "CM"},       {8, "Tarvo Estoque", 246, 1995, 8, "ES"},
    {9, "Tarvo Gerenciador", 249, 1996, 9, "GE"},   {10, "Tarvo Acesso", 248, 1996, 10, "AC"},
    {11, "Tarvo Conciliação", 245, 1996, 11, "CL"}, {12, "Tarvo ECF", 244, 1997, 12, "EC"},
    {13, "Tarvo Caixa", 243, 1997, 13, "CX"},       {14, "Tarvo Fiscal", 242, 1997, 14, "EF"},
    {15, "Tarvo Patrimonial", 241, 1998, 15, "CP"}, {16, "Tarvo Executivo", 240, 1998, 16, "EX"},
    {17, "Tarvo Produção", 239, 1999, 17, "PP"},    {18, "Tarvo GED", 238, 1999, 18, "GD"},
    {19, "Tarvo Custos", 237, 2000, 19, "GC"},      {20, "Tarvo Nota Fiscal Eletrônica", 236, 2008, 20, "NE"},
    {21, "Tarvo Web", 262, 2001, 21, "RW"},         {22, "Tarvo IRPJ/LALUR", 263, 2002, 22, "IR"},
    {23, "Tarvo Core", 264, 2003, 23, "CR"},        {24, "Tarvo Manutenção", 265, 2004, 24, "MM"},
    {25, "Tarvo Qualidade", 266, 2005, 25, "CQ"},   {26, "Tarvo Folha", 268, 2006, 26, "FP"},
    {27, "Tarvo QZECF", 269, 2007, 27, "CF"},       {28, "Tarvo Recursos Humanos", 267, 2008, 28, "RH"},
    {29, "Tarvo Vendas", 261, 2009, 29, "VD"},      {30, "Tarvo Contratos", 260, 2010, 30, "CT"},
};

}  // namespace

const TQZModulo* QZModulo(int nModulo) {
  if (nModulo < 1 || nModulo > QZ_QUANTIDADE_MODULOS) return nullptr;
  return &kModulos[nModulo - 1];
}

const TQZModulo* QZModuloPorSigla(const char* szSigla) {
  if (szSigla == nullptr) return nullptr;
  for (const TQZModulo& m : kModulos)
    if (strcasecmp(m.szSigla, szSigla) == 0) return &m;
  return nullptr;
}

const char* QZTituloModulo(int nModulo) {
  const TQZModulo* p = QZModulo(nModulo);
  return p ? p->szTitulo : "";
}

const char* QZSiglaModulo(int nModulo) {
  const TQZModulo* p = QZModulo(nModulo);
  return p ? p->szSigla : "";
}
