// Os rótulos das origens de registro por tipo (1 a 117): o rótulo completo (módulo,
// hífen, documento), o curto (só o documento) e o artigo que o antecede numa frase.
// Os tipos 62, 87, 96, 97 e 109 não têm entrada; 84 e 85 só o rótulo completo.
#include "origens_rotulos.h"

namespace {

constexpr TRotuloOrigem kRotulos[QZ_ORIGEM_MAXIMA + 1] = {
    {nullptr, nullptr, nullptr},                                                              // 0: sem origem
    {"Financeiro - Provisão de variação Cambial", "Provisão de variação Cambial", "a"},       // 1
    {"Orvan Fiscal - Entradas", "Entradas", ""},                                              // 2
    {"Orvan Patrimonial", "Orvan Patrimonial", "o"},                                          // 3
    {"Financeiro - Contas a receber", "Contas a receber", "o"},                               // 4
    {"Comercial - Nota Fiscal", "Nota Fiscal", "a"},                                          // 5
    {"Financeiro - Contas a pagar", "Contas a pagar", "o"},                                   // 6
    {"Estoque", "Estoque", "o"},                                                              // 7
    {"Financeiro - Tesouraria", "Tesouraria", "a"},                                           // 8
    {"Orvan Fiscal - Saídas", "Saídas", "as"},                                                // 9
    {"Orvan Fiscal - Serviços prestados", "Serviços prestados", "os"},                        // 10
    {"Orvan Fiscal - Serviços tomados", "Serviços tomados", "os"},                            // 11
    {"ECF - Cupom Fiscal", "Cupom Fiscal", "o"},                                              // 12
    {"Orvan Fiscal - Impostos", "Impostos", "os"},                                            // 13
    {"Financeiro - Baixa contas a receber", "Baixa contas a receber", "a"},                   // 14
    {"Financeiro - Baixa contas a pagar", "Baixa contas a pagar", "a"},                       // 15
    {"OrvanFiscal - Rubricas", "Rubricas", "as"},                                             // 16
    {"Gerador de Lançamentos", "Gerador de Lançamentos", "o"},                                // 17
    {"Compras - Registro de Entradas", "Registro de Entradas", "o"},                          // 18
    {"Compras - Ordem de Compra", "Ordem de Compra", "a"},                                    // 19
    {"Compras - Conhecimento de Transporte", "Conhecimento de Transporte", "o"},              // 20
    {"Origem: Importação", "Importação", "a"},                                                // 21
    {"Origem: Lote", "Lote", "o"},                                                            // 22
    {"Comercial - Pedido", "Pedido", "o"},                                                    // 23
    {"Conciliação", "Conciliação", "a"},                                                      // 24
    {"Compras - Solicitação de Cotação", "Solicitação de Cotação", "a"},                      // 25
    {"Folha - Pagamentos", "Pagamentos", "os"},                                               // 26
    {"Folha - Décimo Terceiro", "Décimo Terceiro", "o"},                                      // 27
    {"Folha - Férias", "Férias", "as"},                                                       // 28
    {"Folha - Rescisão", "Rescisão", "a"},                                                    // 29
    {"ECF", "ECF", "o"},                                                                      // 30
    {"Gerenciador - Faturamento", "Faturamento", "o"},                                        // 31
    {"Custos", "Custos", "o"},                                                                // 32
    {"Gerenciador - Acompanhamento de Serviços", "Acompanhamento de Serviços", "o"},          // 33
    {"Gerenciador - Contratos", "Contratos", "o"},                                            // 34
    {"Gerenciador - Adicional de Contrato", "Adicional de Contrato", "o"},                    // 35
    {"Gerenciador - Faturamento", "Faturamento", "o"},                                        // 36
    {"Gerenciador - Assistência Técnica", "Assistência Técnica", "a"},                        // 37
    {"Gerenciador - Atendimento Técnico", "Atendimento Técnico", "o"},                        // 38
    {"Compras - Cotação de Preços", "Cotação de Preços", "a"},                                // 39
    {"Comercial - DARF", "DARF", "o"},                                                        // 40
    {"Estoque - MRP", "MRP", "o"},                                                            // 41
    {"Compras - Solicitação de Compra", "Solicitação de Compra", "a"},                        // 42
    {"Estoque - Requisição Interna", "Requisição Interna", "a"},                              // 43
    {"Produção - Apontamento da Produção", "Apontamento da Produção", "o"},                   // 44
    {"Contábil", "Contábil", "o"},                                                            // 45
    {"Escrita Fiscal", "Escrita Fiscal", "a"},                                                // 46
    {"Folha", "Folha", "a"},                                                                  // 47
    {"Produção - Remessa para Industrialização", "Remessa para Industrialização", "a"},       // 48
    {"Manutenção - Manutenções", "Manutenções", "as"},                                        // 49
    {"Folha - Financeiro", "Financeiro", "o"},                                                // 50
    {"Produção - Ordem de Produção", "Ordem de Produção", "a"},                               // 51
    {"Produção - Agrupamento de OPs para RI", "Agrupamento de OPs para RI", "o"},             // 52
    {"Compras - Contrato de Compras", "Contrato de Compras", "o"},                            // 53
    {"Orvan Comércio - Arquivo Eletrônico", "Arquivo Eletrônico", "o"},                       // 54
    {"QZ ECF - Integração Cupom Fiscal", "Integração Cupom Fiscal", "a"},                     // 55
    {"QZ ECF - Integração Mapa Resumo", "Integração Mapa Resumo", "a"},                       // 56
    {"QZ ECF - Integração Nota Avulsa", "Integração Nota Avulsa", "a"},                       // 57
    {"QZ ECF - PVDAV", "PVDAV", "o"},                                                         // 58
    {"Qualidade - Registro da Qualidade", "Registro da Qualidade", "o"},                      // 59
    {"Produção - Ordem Mestra de Produção", "Ordem Mestra de Produção", "a"},                 // 60
    {"Qualidade - Apontamento de Não Conformidade", "Apontamento de Não Conformidade", "o"},  // 61
    {nullptr, nullptr, nullptr},                                                              // 62: sem entrada
    {"Financeiro - Provisão de correção monetária", "Provisão de correção monetária", "a"},   // 63
    {"Qualidade - Apontamento de Autocontrole", "Apontamento de Autocontrole", "o"},          // 64
    {"Qualidade - Apontamento de Parada de Autocontrole", "Apontamento de Parada de Autocontrole", "o"},     // 65
    {"NFC-e - Nota Fiscal de Consumidor Eletrônica", "Nota Fiscal de Consumidor Eletrônica", "a"},           // 66
    {"Produção - Necessidade da Produção", "Necessidade da Produção", "a"},                                  // 67
    {"Produção - Apontamento de Perda", "Apontamento de Perda", "o"},                                        // 68
    {"Produção - Integração Estoque", "Integração Estoque", "a"},                                            // 69
    {"Produção - Integração RI", "Integração RI", "a"},                                                      // 70
    {"Produção - Apontamento de Insumos Consumidos", "Apontamento de Insumos Consumidos", "o"},              // 71
    {"Produção - Registro de Contador", "Registro de Contador", "o"},                                        // 72
    {"Produção - Retorno de Industrialização em Terceiro", "Retorno de Industrialização em Terceiro", "o"},  // 73
    {"Comercial - Orcamento", "Orcamento", "o"},                                                             // 74
    {"Comercial - Pesagens", "Pesagens", "as"},                                                              // 75
    {"Produção - Liberação de Operação", "Liberação de Operação", "a"},                                      // 76
    {"Produção - Etiqueta", "Etiqueta", "a"},                                                                // 77
    {"Produção - Apontamento por Etiqueta", "Apontamento por Etiqueta", "o"},                                // 78
    {"Produção - Programação", "Programação da Produção", "a"},                                              // 79
    {"QZ ECF - Cupom Fiscal", "Cupom Fiscal", "o"},                                                          // 80
    {"Qualidade - Registro de Melhoria", "Registro de Melhoria", "o"},                                       // 81
    {"Produção - Previsão de Demanda Período", "Previsão de Demanda Período", "a"},                          // 82
    {"Produção - MPS Período", "MPS Período", "o"},                                                          // 83
    {"Gerenciador - Manutenção Preventiva", "", ""},                                                         // 84
    {"Gerenciador - Cadastro Manutenção Preventiva", "", ""},                                                // 85
    {"Produção - Ficha Técnica de Produção", "Ficha Técnica de Produção", "a"},                              // 86
    {nullptr, nullptr, nullptr},                                                                  // 87: sem entrada
    {"Produção - Horário Programação", "Horário Programação", "a"},                               // 88
    {"Empresarial - Painel EFD-REINF", "Painel EFD-REINF", "o"},                                  // 89
    {"Produção - Meta de Produção", "Meta de Produção", "a"},                                     // 90
    {"Qualidade - Apontamento de Regra da Qualidade", "Apontamento de Regra da Qualidade", "o"},  // 91
    {"Produção - Baixa Totalizada Insumo", "Baixa Totalizada Insumo", "a"},                       // 92
    {"Gerenciador - Assistência Técnica", "Assistência Técnica", "a"},                            // 93
    {"Manutenção - Lancaçamento de Gastos", "Lançamento de Gastos", "os"},                        // 94
    {"Orvan Fiscal - F200", "F200", "o"},                                                         // 95
    {nullptr, nullptr, nullptr},                                                                  // 96: sem entrada
    {nullptr, nullptr, nullptr},                                                                  // 97: sem entrada
    {"Produção - Configuração Nr. Série", "Configuração de Nr. de Série", "a"},                   // 98
    {"Produção - Desenvolvimento Produto", "Desenvolvimento de Produto", "o"},                    // 99
    {"Gerenciador - Agrupar Registros", "Agrupar Registros", "o"},                                // 100
    {"Produção - Ensaio Produto", "Ensaio de Produto", "o"},                                      // 101
    {"Gerenciador - Acompanhamento de Serviços", "Acompanhamento de Serviços", "o"},              // 102
    {"Empresarial - Cadastro Jurídico", "Cadastro Jurídico", "o"},                                // 103
    {"Empresarial - Empresa/Filiais", "Empresa/Filiais", "a"},                                    // 104
    {"Produção - Ensaio Produto - Produto", "Ensaio de Produto - Produto", "o"},                  // 105
    {"Empresarial - Emissão Etiqueta Correios", "Emissão Etiqueta Correios", "a"},                // 106
    {"Empresarial - Clientes", "Cliente", "o"},                                                   // 107
    {"Empresarial - Fornecedores", "Fornecedor", "o"},                                            // 108
    {nullptr, nullptr, nullptr},                                                                  // 109: sem entrada
    {"Orvan Fiscal - Prestador EFD-REINF", "Prestador", "o"},                                     // 110
    {"Orvan Fiscal - Tomador EFD-REINF", "Tomador", "o"},                                         // 111
    {"Estoque - Atendimento de Requisições", "Atendimentos de Requisições Internas", "os"},       // 112
    {"Estoque - Itens de Atendimentos de RI", "Itens de Atendimentos de Requisições Internas", "os"},            // 113
    {"Produção - Controle de envio de e-mails", "Controle de envio de e-mails", "o"},                            // 114
    {"Estoque - Devoluções de Atendimentos de RI", "Devoluções de Atendimentos de Requisições Internas", "as"},  // 115
    {"Estoque - Itens de Requisição Interna", "Itens de Requisições Internas", "os"},                            // 116
    {"Estoque - Solicitação de Compra para Requisição Interna", "Solicitação de Compra para Requisição Interna",
     "a"},  // 117
};

}  // namespace

const TRotuloOrigem& RotuloDaOrigem(int nOrigem) {
  static constexpr TRotuloOrigem kVazio{nullptr, nullptr, nullptr};
  return nOrigem >= 1 && nOrigem <= QZ_ORIGEM_MAXIMA ? kRotulos[nOrigem] : kVazio;
}
