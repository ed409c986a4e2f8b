// Códigos de falha das leituras do servidor da suíte (HRESULT de falha, facilidade
// ITF). Os testes fazem uma leitura nomeada falhar com um deles pelo gancho de
// vrmwnd/suite/ganchos_teste.h.
#pragma once

#include "vrmwnd/base/QZResultado.h"

// Falhas das leituras. Os códigos da base (QZResultado.h) valem para o servidor:
// | código                        | quando                                          |
// |-------------------------------|-------------------------------------------------|
// | QZ_E_REGISTRO_NAO_ENCONTRADO  | a chave pedida não existe                        |
// | QZ_E_SEM_CONEXAO              | leitura antes de OnInicializa, depois de         |
// |                               | OnFinaliza ou por uma interface nula             |
// | QZ_E_BANCO_DE_DADOS           | o banco da empresa falhou                        |
// | QZ_E_EMPRESA_NAO_ENCONTRADA   | não há banco para o nome da empresa              |
// | QZ_E_REGISTRO_CORROMPIDO      | linha que o layout não comporta: quantidade que  |
// |                               | não bate com as linhas, texto maior que o campo, |
// |                               | valor fora do tipo, chave estrangeira            |
// |                               | desconhecida                                     |
